import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.Skeleton;

// A servant written by hand the way generated skeletons are: a dispatch
// table of operation descriptors and an _execute over the argument arrays.
// The runtime tests call it through ObjectImpl._invoke with the same
// descriptors, as generated stubs do.
public class Echo extends ObjectImpl implements Skeleton {
    static final int IN = OperationDescriptor.IN;
    static final int OUT = OperationDescriptor.OUT;

    public static final OperationDescriptor ECHO = new OperationDescriptor(
        "echo", new int[] {0x12, 0x12 | IN}, new Class[] {null, null}, new String[0], new Class[0], false);
    public static final OperationDescriptor ADD = new OperationDescriptor(
        "add", new int[] {0x17, 0x17 | IN, 0x3 | IN}, new Class[] {null, null, null}, new String[0], new Class[0], false);
    public static final OperationDescriptor SLEEP = new OperationDescriptor(
        "sleep", new int[] {0x3 | IN}, new Class[] {null}, new String[0], new Class[0], false);
    public static final OperationDescriptor DESCRIBE = new OperationDescriptor(
        "describe", new int[] {0xc, 0xc | IN}, new Class[] {null, null}, new String[0], new Class[0], false);
    public static final OperationDescriptor SPLIT = new OperationDescriptor(
        "split", new int[] {0x5, 0x5 | IN, 0x4 | OUT}, new Class[] {null, null, null}, new String[0], new Class[0], false);
    public static final OperationDescriptor FAIL = new OperationDescriptor(
        "fail", new int[] {0x3 | IN}, new Class[] {null}, new String[0], new Class[0], false);
    public static final OperationDescriptor BLOB = new OperationDescriptor(
        "blob", new int[] {0x13, 0x13 | IN}, new Class[] {OctetsHolder.class, OctetsHolder.class}, new String[0],
        new Class[0], false);
    public static final OperationDescriptor ANY = new OperationDescriptor(
        "any", new int[] {0xb, 0xb | IN}, new Class[] {null, null}, new String[0], new Class[0], false);
    // Values (FuzzValues.Pack) back as they came.
    public static final OperationDescriptor VALUES = new OperationDescriptor(
        "values", new int[] {0x1d, 0x1d | IN}, new Class[] {FuzzValues.PackHolder.class, FuzzValues.PackHolder.class},
        new String[0], new Class[0], false);
    public static final OperationDescriptor[] OPS = {ECHO, ADD, SLEEP, DESCRIBE, SPLIT, FAIL, BLOB, ANY, VALUES};

    // A sequence<octet> the way generated holders carry one.
    public static final class OctetsHolder implements org.omg.CORBA.portable.Streamable {
        public byte[] value;

        public OctetsHolder() {
        }

        public OctetsHolder(byte[] v) {
            value = v;
        }

        public void __write(org.omg.CORBA.portable.OutputStream out) {
            out.write_ulong(value.length);
            out.write_octet_array(value, 0, value.length);
        }

        public void __read(org.omg.CORBA.portable.InputStream in) {
            int n = in.read_ulong();
            if (n < 0 || n > in.available())
                throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
            value = new byte[n];
            in.read_octet_array(value, 0, n);
        }

        public org.omg.CORBA.TypeCode __type() {
            return org.omg.CORBA.ORB.init().create_sequence_tc(0,
                org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_octet));
        }
    }

    public Echo() {
        super(null);
    }

    public String[] _get_ids() {
        return new String[] {"IDL:test/Echo:1.0"};
    }

    public OperationDescriptor[][] _get_dispatch_table() {
        return new OperationDescriptor[][] {OPS};
    }

    public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
        throws java.lang.Exception {
        switch (op) {
            case 0:
                o[0] = o[1];
                break;
            case 1:
                n[0] = n[1] + (int) n[2];
                break;
            case 2:
                Thread.sleep(n[0] & 0xFFFFFFFFL);
                break;
            case 3:
                o[0] = o[1];
                break;
            case 4: {
                long v = n[1];
                ((org.omg.CORBA.ShortHolder) o[0]).value = (short) (v & 0xFFFF);
                n[0] = (v >>> 16) & 0xFFFF;
                break;
            }
            case 5:
                if ((int) n[0] == 1) throw new org.omg.CORBA.NO_PERMISSION("refused", 7, org.omg.CORBA.CompletionStatus.COMPLETED_YES);
                if ((int) n[0] == 2) throw new IllegalStateException("servant bug");
                break;
            case 6:
            case 7:
            case 8:
                o[0] = o[1];
                break;
            default:
                throw new org.omg.CORBA.BAD_OPERATION(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
        }
        return null;
    }

    // Client-side calls as a stub would make them.
    public static String echo(ObjectImpl ref, String s) {
        java.lang.Object[] o = new java.lang.Object[2];
        o[1] = s;
        ref._invoke(ECHO, new long[2], o);
        return (String) o[0];
    }

    public static long add(ObjectImpl ref, long a, int b) {
        long[] n = new long[3];
        n[1] = a;
        n[2] = b & 0xFFFFFFFFL;
        ref._invoke(ADD, n, new java.lang.Object[3]);
        return n[0];
    }

    public static void sleep(ObjectImpl ref, int ms) {
        long[] n = new long[1];
        n[0] = ms & 0xFFFFFFFFL;
        ref._invoke(SLEEP, n, new java.lang.Object[1]);
    }

    public static void fail(ObjectImpl ref, int how) {
        long[] n = new long[1];
        n[0] = how & 0xFFFFFFFFL;
        ref._invoke(FAIL, n, new java.lang.Object[1]);
    }

    public static byte[] blob(ObjectImpl ref, byte[] b) {
        java.lang.Object[] o = new java.lang.Object[2];
        o[0] = new OctetsHolder();
        o[1] = new OctetsHolder(b);
        ref._invoke(BLOB, new long[2], o);
        return ((OctetsHolder) o[0]).value;
    }
}

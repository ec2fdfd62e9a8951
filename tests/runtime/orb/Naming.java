import java.util.Map;
import java.util.TreeMap;

import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.Skeleton;
import org.omg.CORBA.portable.Streamable;

// A naming context reduced to resolve, written by hand like a skeleton, to
// answer the ORB's corbaname: lookups.  Names are kept as "id.kind/...".
public class Naming extends ObjectImpl implements Skeleton {
    public static final class NameHolder implements Streamable {
        public String value;

        public void __write(org.omg.CORBA.portable.OutputStream out) {
            throw new org.omg.CORBA.NO_IMPLEMENT();
        }

        public void __read(org.omg.CORBA.portable.InputStream in) {
            int n = in.read_ulong();
            StringBuilder b = new StringBuilder();
            for (int i = 0; i < n; i++) {
                if (i > 0) b.append('/');
                b.append(in.read_string()).append('.').append(in.read_string());
            }
            value = b.toString();
        }

        public org.omg.CORBA.TypeCode __type() {
            return null;
        }
    }

    public static final class NotFoundHolder implements Streamable {
        public void __write(org.omg.CORBA.portable.OutputStream out) {
            out.write_string("IDL:omg.org/CosNaming/NamingContext/NotFound:1.0");
            out.write_ulong(0); // why: missing_node
            out.write_ulong(0); // rest_of_name: empty
        }

        public void __read(org.omg.CORBA.portable.InputStream in) {
        }

        public org.omg.CORBA.TypeCode __type() {
            return null;
        }
    }

    static final OperationDescriptor[] OPS = {new OperationDescriptor(
        "resolve", new int[] {0xe, 0x13 | OperationDescriptor.IN}, new Class[] {null, NameHolder.class},
        new String[] {"IDL:omg.org/CosNaming/NamingContext/NotFound:1.0"}, new Class[] {NotFoundHolder.class}, false)};

    final Map<String, org.omg.CORBA.Object> bound = new TreeMap<>();

    public Naming() {
        super(null);
    }

    public String[] _get_ids() {
        return new String[] {"IDL:omg.org/CosNaming/NamingContext:1.0"};
    }

    public OperationDescriptor[][] _get_dispatch_table() {
        return new OperationDescriptor[][] {OPS};
    }

    public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx) {
        String name = ((NameHolder) o[1]).value;
        org.omg.CORBA.Object obj = bound.get(name);
        if (obj == null) return new NotFoundHolder();
        o[0] = obj;
        return null;
    }
}

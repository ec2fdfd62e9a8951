import org.omg.CORBA.*;

// Calls the operations and attributes of prims.idl and quirks.idl through
// their stubs on the vemo.harl ORB: once with stub and servant in one ORB
// (a collocated call through the request and reply octets) and once over
// loopback IIOP from a client ORB to a server ORB, both pinned to
// 127.0.0.1.  Checks every primitive kind in, out, inout, as a
// result and as an attribute, the builtin Object, an array typedef, an exception named twice
// in a raises list, and how a serverless interface's Helper narrows.
public class PrimTrip {
    private static int failures = 0;
    private static int checks = 0;

    private static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    static class KindsServant extends Prim._KindsImplBase {
        double ratio = 0.5;
        byte tiny = 1;
        char initial = 'a';
        float weight = 1.5f;
        boolean open = false;
        long wide = 1L;

        public boolean bools(boolean a, BooleanHolder b, BooleanHolder c) { b.value = a; c.value = !c.value; return !a; }
        public char chars(char a, CharHolder b, CharHolder c) { b.value = a; c.value++; return (char) (a + 1); }
        public double doubles(double a, DoubleHolder b, DoubleHolder c) { b.value = a; c.value = -c.value; return a / 4; }
        public float floats(float a, FloatHolder b, FloatHolder c) { b.value = a; c.value = -c.value; return a * 2; }
        public byte octets(byte a, ByteHolder b, ByteHolder c) { b.value = a; c.value = (byte) ~c.value; return (byte) (a + 1); }
        public short shorts(short a, ShortHolder b, ShortHolder c) { b.value = a; c.value = (short) -c.value; return (short) (a - 1); }
        public short ushorts(short a, ShortHolder b, ShortHolder c) { b.value = a; c.value = (short) ~c.value; return (short) (a + 1); }
        public int longs(int a, IntHolder b, IntHolder c) { b.value = a; c.value = -c.value; return a - 1; }
        public int ulongs(int a, IntHolder b, IntHolder c) { b.value = a; c.value = ~c.value; return a + 1; }
        public long longlongs(long a, LongHolder b, LongHolder c) { b.value = a; c.value = -c.value; return a - 1; }
        public long ulonglongs(long a, LongHolder b, LongHolder c) { b.value = a; c.value = ~c.value; return a + 1; }

        public org.omg.CORBA.Object objects(org.omg.CORBA.Object a, ObjectHolder b, ObjectHolder c) {
            b.value = c.value;
            c.value = a;
            return this;
        }

        public double ratio() { return ratio; }
        public void ratio(double v) { ratio = v; }
        public byte tiny() { return tiny; }
        public void tiny(byte v) { tiny = v; }
        public char initial() { return initial; }
        public void initial(char v) { initial = v; }
        public float weight() { return weight; }
        public void weight(float v) { weight = v; }
        public boolean open() { return open; }
        public void open(boolean v) { open = v; }
        int[] corner = { 1, 2, 3 };

        public int[] rotate(int[] a, Prim.TripleHolder b, Prim.TripleHolder c) {
            b.value = new int[] { a[1], a[2], a[0] };
            c.value = new int[] { -c.value[0], -c.value[1], -c.value[2] };
            return new int[] { a[2], a[0], a[1] };
        }

        public int[] corner() { return corner; }
        public void corner(int[] v) { corner = v; }
        public long wide() { return wide; }
        public void wide(long v) { wide = v; }
    }

    static class LoudServant extends Q._LoudImplBase {
        public void shout() throws Q.Oops {
            throw new Q.Oops();
        }
    }

    // A Quiet object; serverless, so there is no skeleton to extend.
    static class QuietObject extends org.omg.CORBA.portable.ObjectImpl implements Q.Quiet {
        QuietObject() {
            super(null);
        }

        public String[] _get_ids() {
            return new String[] { "IDL:Q/Quiet:1.0" };
        }

        public void hush() {
        }
    }

    static ORB server;
    static ORB client;

    // A stub's delegate for a servant: connected to the server ORB, its
    // reference stringified there and read back by the client ORB.
    static org.omg.CORBA.portable.Delegate ref(org.omg.CORBA.portable.ObjectImpl servant) {
        server.connect(servant);
        String ior = server.object_to_string(servant);
        check(vemo.harl.ior.IOR.parse(ior).iiop().host.equals("127.0.0.1"), "reference names 127.0.0.1");
        return ((org.omg.CORBA.portable.ObjectImpl) client.string_to_object(ior))._get_delegate();
    }

    static void prims(boolean latin1) {
        KindsServant k = new KindsServant();
        Prim.Kinds p = new Prim._KindsStub(ref(k));

        BooleanHolder zb = new BooleanHolder(), zc = new BooleanHolder(true);
        check(p.bools(true, zb, zc) == false && zb.value && !zc.value, "boolean");
        // An IDL char is one octet of the connection's char code set:
        // Latin-1 under ISO-8859-1, ASCII under UTF-8.
        char c0 = latin1 ? '\u00e9' : 'y', c1 = latin1 ? '\u00fe' : '}';
        CharHolder cb = new CharHolder(), cc = new CharHolder(c1);
        check(p.chars(c0, cb, cc) == (char) (c0 + 1) && cb.value == c0 && cc.value == (char) (c1 + 1), "char");
        try {
            p.chars('\u0100', cb, cc);
            check(false, "a char beyond the code set is refused");
        } catch (DATA_CONVERSION expected) {
        }
        DoubleHolder db = new DoubleHolder(), dc = new DoubleHolder(Double.MAX_VALUE);
        check(p.doubles(-1e300, db, dc) == -2.5e299 && db.value == -1e300 && dc.value == -Double.MAX_VALUE, "double");
        FloatHolder fb = new FloatHolder(), fc = new FloatHolder(-0.1f);
        check(p.floats(-3.5f, fb, fc) == -7f && fb.value == -3.5f && fc.value == 0.1f, "float");
        ByteHolder ob = new ByteHolder(), oc = new ByteHolder((byte) 0x0F);
        check(p.octets((byte) -128, ob, oc) == (byte) -127 && ob.value == (byte) -128 && oc.value == (byte) 0xF0, "octet");
        ShortHolder sb = new ShortHolder(), sc = new ShortHolder((short) 32767);
        check(p.shorts((short) -32768, sb, sc) == 32767 && sb.value == -32768 && sc.value == -32767, "short");
        ShortHolder usb = new ShortHolder(), usc = new ShortHolder((short) 0);
        check(p.ushorts((short) 0xFFFE, usb, usc) == (short) 0xFFFF && usb.value == (short) 0xFFFE && usc.value == (short) 0xFFFF,
              "unsigned short");
        IntHolder lb = new IntHolder(), lc = new IntHolder(Integer.MAX_VALUE);
        check(p.longs(Integer.MIN_VALUE, lb, lc) == Integer.MAX_VALUE && lb.value == Integer.MIN_VALUE && lc.value == -Integer.MAX_VALUE,
              "long");
        IntHolder ulb = new IntHolder(), ulc = new IntHolder(0);
        check(p.ulongs(0xFFFFFFFE, ulb, ulc) == 0xFFFFFFFF && ulb.value == 0xFFFFFFFE && ulc.value == 0xFFFFFFFF, "unsigned long");
        LongHolder llb = new LongHolder(), llc = new LongHolder(Long.MAX_VALUE);
        check(p.longlongs(Long.MIN_VALUE, llb, llc) == Long.MAX_VALUE && llb.value == Long.MIN_VALUE && llc.value == -Long.MAX_VALUE,
              "long long");
        LongHolder ullb = new LongHolder(), ullc = new LongHolder(0);
        check(p.ulonglongs(-2L, ullb, ullc) == -1L && ullb.value == -2L && ullc.value == -1L, "unsigned long long");

        Prim.Kinds other = new Prim._KindsStub(ref(new KindsServant()));
        ObjectHolder xb = new ObjectHolder(), xc = new ObjectHolder(other);
        org.omg.CORBA.Object xr = p.objects(p, xb, xc);
        check(xr._is_equivalent(p) && xb.value._is_equivalent(other) && xc.value._is_equivalent(p),
              "Object result, out and inout");
        check(Prim.KindsHelper.narrow(xr).ulongs(1, new IntHolder(), new IntHolder()) == 2,
              "returned Object reference calls its object");

        p.ratio(-0.25);
        check(p.ratio() == -0.25 && k.ratio == -0.25, "double attribute");
        p.tiny((byte) -1);
        check(p.tiny() == (byte) -1, "octet attribute");
        p.initial(latin1 ? '\u00ff' : '~');
        check(p.initial() == (latin1 ? '\u00ff' : '~'), "char attribute");
        p.weight(-2.75f);
        check(p.weight() == -2.75f, "float attribute");
        p.open(true);
        check(p.open() && k.open, "boolean attribute");
        Prim.TripleHolder tb = new Prim.TripleHolder(), tc = new Prim.TripleHolder(new int[] { 7, 8, Integer.MIN_VALUE + 1 });
        int[] tr = p.rotate(new int[] { 10, 20, 30 }, tb, tc);
        check(tr[0] == 30 && tr[1] == 10 && tr[2] == 20, "array result");
        check(tb.value[0] == 20 && tb.value[2] == 10, "array out");
        check(tc.value[0] == -7 && tc.value[2] == Integer.MAX_VALUE, "array inout");
        p.corner(new int[] { 4, 5, 6 });
        check(p.corner()[2] == 6 && k.corner[0] == 4, "array attribute");
        p.wide(0x8000000000000001L);
        check(p.wide() == 0x8000000000000001L, "unsigned long long attribute");
    }

    static void quirks() {
        Q.Loud loud = new Q._LoudStub(ref(new LoudServant()));
        try {
            loud.shout();
            check(false, "shout raises Oops");
        } catch (Q.Oops expected) {
        }
        QuietObject quiet = new QuietObject();
        check(Q.QuietHelper.narrow(null) == null, "serverless narrow of null");
        check(Q.QuietHelper.narrow(quiet) == quiet, "serverless narrow of a Quiet object returns it");
        try {
            Q.QuietHelper.narrow(loud);
            check(false, "serverless narrow of a Loud reference throws");
        } catch (BAD_PARAM expected) {
        }
        // A reference to a Quiet object that is not itself a Quiet: there is
        // no stub to build, so narrowing fails.
        org.omg.CORBA.portable.ObjectImpl ref = new org.omg.CORBA.portable.ObjectImpl(new org.omg.CORBA.portable.Delegate() {
            public java.lang.Object invoke(org.omg.CORBA.portable.ObjectImpl self,
                                           org.omg.CORBA.portable.OperationDescriptor op, long[] n, java.lang.Object[] o) {
                throw new NO_IMPLEMENT();
            }

            public boolean is_a(org.omg.CORBA.portable.ObjectImpl self, String id) {
                return id.equals("IDL:Q/Quiet:1.0");
            }
        }) {
            public String[] _get_ids() {
                return new String[0];
            }
        };
        check(ref._is_a("IDL:Q/Quiet:1.0"), "reference claims to be a Quiet");
        try {
            Q.QuietHelper.narrow(ref);
            check(false, "serverless narrow cannot build a stub");
        } catch (BAD_PARAM expected) {
        }
    }

    public static void main(String[] args) {
        java.util.Properties props = new java.util.Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        props.setProperty("vemo.harl.port", "0");
        server = ORB.init(new String[0], props);
        client = server;
        prims(true);
        quirks();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBReplyTimeout", "30000",
                                        "-ORBNativeCharCodeSet", "UTF-8"}, null);
        prims(false);
        quirks();
        client.destroy();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBGIOPMinor", "0"}, null);
        prims(true);
        client.destroy();
        server.destroy();
        if (failures > 0) {
            System.out.println(failures + " of " + checks + " checks failed");
            System.exit(1);
        }
        System.out.println(checks + " checks passed");
    }
}

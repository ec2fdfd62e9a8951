import Goods.*;
import org.omg.CORBA.*;

// Calls every operation and attribute of the interfaces in shop.idl through
// their stubs on the vemo.harl ORB, which marshals the argument arrays as
// the descriptors say: once with stub and servant in one ORB (collocated)
// and once over loopback IIOP from a client ORB to a server ORB, both
// pinned to 127.0.0.1.  Checks that in, out and inout values, results and the
// declared exceptions arrive intact, and how the Helpers narrow.
public class ShopTrip {
    private static int failures = 0;
    private static int checks = 0;

    private static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    static Shade other(Shade s) {
        return s == Shade.LIGHT ? Shade.DARK : Shade.LIGHT;
    }

    static Any anyOf(int v) {
        Any a = ORB.init().create_any();
        a.insert_long(v);
        return a;
    }

    // The servants.

    static class BaseServant extends Shop._BaseImplBase {
        int last;

        public int count() {
            return 7;
        }

        public int ping(int x) {
            last = x;
            return x + 1;
        }
    }

    static class StoreServant extends Shop._StoreImplBase {
        Point origin = new Point(0, "origin");
        int ticket = -1;
        String message;

        public int count() {
            return -70000;
        }

        public int ping(int x) {
            return x - 1;
        }

        public String title() {
            return "The St\u00f6re";
        }

        public Point origin() {
            return origin;
        }

        public void origin(Point p) {
            origin = p;
        }

        public int tally(int a, IntHolder b, IntHolder c) throws Refused {
            if (a == 0) throw new Refused("zero");
            b.value = a * 2;
            c.value = c.value - a;
            return a ^ 0x80000001;
        }

        public String label(String a, StringHolder b, StringHolder c) throws Refused, Broken {
            if (a.equals("refuse")) throw new Refused("refused " + c.value);
            if (a.equals("break")) throw new Broken(-42);
            b.value = a.toUpperCase();
            c.value = c.value + "+" + a;
            return a + "!";
        }

        public Point move(Point a, PointHolder b, PointHolder c) {
            b.value = new Point(a.x + 1, a.label + "b");
            c.value = new Point(c.value.x * 2, c.value.label + "c");
            return new Point(a.x + c.value.x, "r" + a.label);
        }

        public Shade flip(Shade a, ShadeHolder b, ShadeHolder c) {
            b.value = a;
            c.value = other(c.value);
            return other(a);
        }

        public Pick choose(Pick a, PickHolder b, PickHolder c) {
            Pick r = new Pick();
            if (a.discriminator() == 1) r.text("num " + a.num());
            else r.num(a.text().length());
            b.value = a;
            Pick nc = new Pick();
            nc.num(c.value.discriminator() == 1 ? c.value.num() + 1 : -1);
            c.value = nc;
            return r;
        }

        public int[] sum(int[] a, Goods.NumbersHolder b, Goods.NumbersHolder c) {
            int total = 0;
            int[] rev = new int[a.length];
            for (int i = 0; i < a.length; i++) {
                total += a[i];
                rev[a.length - 1 - i] = a[i];
            }
            b.value = rev;
            int[] longer = new int[c.value.length + 1];
            System.arraycopy(c.value, 0, longer, 0, c.value.length);
            longer[c.value.length] = total;
            c.value = longer;
            return new int[] { total, a.length };
        }

        public Any wrap(Any a, AnyHolder b, AnyHolder c) {
            b.value = anyOf(a.extract_long() * 3);
            c.value = anyOf(c.value.extract_long() + a.extract_long());
            return a;
        }

        public TypeCode describe(TypeCode a, TypeCodeHolder b, TypeCodeHolder c) {
            b.value = a;
            c.value = ORB.init().get_primitive_tc(c.value.kind() == TCKind.tk_long ? TCKind.tk_string : TCKind.tk_void);
            return PointHelper.type();
        }

        public Shop.Base partner(Shop.Base a, Shop.BaseHolder b, Shop.BaseHolder c) {
            b.value = a;
            Shop.Base given = c.value;
            c.value = this;
            return given;
        }

        public void reset(int t) throws Shop.StorePackage.Busy {
            if (t == 13) throw new Shop.StorePackage.Busy(t * 10);
            ticket = t;
        }

        public void _notify(String m) {
            message = m;
        }
    }

    static class OtherServant extends Shop._OtherImplBase {
        int pokes;
        short level = 3;

        public void poke() {
            pokes++;
        }

        public short level() {
            return level;
        }

        public void level(short l) {
            level = l;
        }

        public boolean check(char c) {
            return c == '$';
        }
    }

    // Store's operations come from a StoreServant, Other's from an
    // OtherServant; measure is Both's own.
    static class BothServant extends Shop._BothImplBase {
        final StoreServant s = new StoreServant();
        final OtherServant t = new OtherServant();

        public int count() { return s.count(); }
        public int ping(int x) { return s.ping(x); }
        public String title() { return s.title(); }
        public Point origin() { return s.origin(); }
        public void origin(Point p) { s.origin(p); }
        public int tally(int a, IntHolder b, IntHolder c) throws Refused { return s.tally(a, b, c); }
        public String label(String a, StringHolder b, StringHolder c) throws Refused, Broken { return s.label(a, b, c); }
        public Point move(Point a, PointHolder b, PointHolder c) { return s.move(a, b, c); }
        public Shade flip(Shade a, ShadeHolder b, ShadeHolder c) { return s.flip(a, b, c); }
        public Pick choose(Pick a, PickHolder b, PickHolder c) { return s.choose(a, b, c); }
        public int[] sum(int[] a, NumbersHolder b, NumbersHolder c) { return s.sum(a, b, c); }
        public Any wrap(Any a, AnyHolder b, AnyHolder c) { return s.wrap(a, b, c); }
        public TypeCode describe(TypeCode a, TypeCodeHolder b, TypeCodeHolder c) { return s.describe(a, b, c); }
        public Shop.Base partner(Shop.Base a, Shop.BaseHolder b, Shop.BaseHolder c) { return s.partner(a, b, c); }
        public void reset(int t) throws Shop.StorePackage.Busy { s.reset(t); }
        public void _notify(String m) { s._notify(m); }
        public void poke() { t.poke(); }
        public short level() { return t.level(); }
        public void level(short l) { t.level(l); }
        public boolean check(char c) { return t.check(c); }

        public double measure(float f) {
            return f * 2.0;
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

    // Waits for a oneway call to arrive (it may still travel when the
    // call returns).
    static boolean arrives(java.util.function.BooleanSupplier done) {
        for (int i = 0; i < 500 && !done.getAsBoolean(); i++) {
            try {
                Thread.sleep(10);
            } catch (InterruptedException e) {
                return false;
            }
        }
        return done.getAsBoolean();
    }

    // The client's side.

    static void base(Shop.Base b, int count, int delta) {
        check(b.count() == count, "read-only attribute count");
        check(b.ping(Integer.MAX_VALUE) == Integer.MAX_VALUE + delta, "ping result");
        check(b.ping(-5) == -5 + delta, "ping negative");
    }

    static void store(Shop.Store s, StoreServant servant) {
        check(s.title().equals("The St\u00f6re"), "read-only string attribute");
        s.origin(new Point(-3, "far"));
        check(servant.origin.x == -3 && servant.origin.label.equals("far"), "struct attribute set");
        Point o = s.origin();
        check(o.x == -3 && o.label.equals("far"), "struct attribute get");

        try {
            IntHolder b = new IntHolder(99);
            IntHolder c = new IntHolder(Integer.MIN_VALUE + 5);
            int r = s.tally(-7, b, c);
            check(r == (-7 ^ 0x80000001), "long result");
            check(b.value == -14, "long out");
            check(c.value == Integer.MIN_VALUE + 12, "long inout");
        } catch (Refused e) {
            check(false, "tally raised Refused");
        }
        try {
            s.tally(0, new IntHolder(), new IntHolder());
            check(false, "tally(0) raises Refused");
        } catch (Refused e) {
            check(e.why.equals("zero"), "exception member arrives");
        }

        try {
            StringHolder b = new StringHolder("old");
            StringHolder c = new StringHolder("in\u00e9");
            String r = s.label("abc", b, c);
            check(r.equals("abc!"), "string result");
            check(b.value.equals("ABC"), "string out");
            check(c.value.equals("in\u00e9+abc"), "string inout");
        } catch (UserException e) {
            check(false, "label raised " + e);
        }
        try {
            s.label("refuse", new StringHolder(), new StringHolder("ctx"));
            check(false, "label raises Refused");
        } catch (Refused e) {
            check(e.why.equals("refused ctx"), "first of two exceptions");
        } catch (Broken e) {
            check(false, "label raised Broken instead of Refused");
        }
        try {
            s.label("break", new StringHolder(), new StringHolder(""));
            check(false, "label raises Broken");
        } catch (Refused e) {
            check(false, "label raised Refused instead of Broken");
        } catch (Broken e) {
            check(e.code == -42, "second of two exceptions");
        }

        PointHolder pb = new PointHolder();
        PointHolder pc = new PointHolder(new Point(21, "c"));
        Point pr = s.move(new Point(5, "a"), pb, pc);
        check(pb.value.x == 6 && pb.value.label.equals("ab"), "struct out");
        check(pc.value.x == 42 && pc.value.label.equals("cc"), "struct inout");
        check(pr.x == 47 && pr.label.equals("ra"), "struct result");

        ShadeHolder sb = new ShadeHolder();
        ShadeHolder sc = new ShadeHolder(Shade.LIGHT);
        check(s.flip(Shade.DARK, sb, sc) == Shade.LIGHT, "enum result");
        check(sb.value == Shade.DARK && sc.value == Shade.DARK, "enum out and inout");

        Pick a = new Pick();
        a.num(12);
        Pick c0 = new Pick();
        c0.num(40);
        PickHolder ub = new PickHolder();
        PickHolder uc = new PickHolder(c0);
        Pick ur = s.choose(a, ub, uc);
        check(ur.discriminator() != 1 && ur.text().equals("num 12"), "union result, default branch");
        check(ub.value.discriminator() == 1 && ub.value.num() == 12, "union out");
        check(uc.value.num() == 41, "union inout");
        Pick t = new Pick();
        t.text("four");
        check(s.choose(t, ub, new PickHolder(t)).num() == 4, "union in, default branch");

        NumbersHolder nb = new NumbersHolder();
        NumbersHolder nc = new NumbersHolder(new int[] { -1 });
        int[] nr = s.sum(new int[] { 1, 2, 0x7FFFFFF0 }, nb, nc);
        check(nr.length == 2 && nr[0] == 0x7FFFFFF3 && nr[1] == 3, "sequence result");
        check(nb.value.length == 3 && nb.value[0] == 0x7FFFFFF0 && nb.value[2] == 1, "sequence out");
        check(nc.value.length == 2 && nc.value[0] == -1 && nc.value[1] == 0x7FFFFFF3, "sequence inout");

        AnyHolder ab = new AnyHolder();
        AnyHolder ac = new AnyHolder(anyOf(100));
        Any ar = s.wrap(anyOf(5), ab, ac);
        check(ar.extract_long() == 5, "any result");
        check(ab.value.extract_long() == 15 && ac.value.extract_long() == 105, "any out and inout");

        TypeCodeHolder tb = new TypeCodeHolder();
        TypeCodeHolder tc = new TypeCodeHolder(ORB.init().get_primitive_tc(TCKind.tk_long));
        TypeCode tr = s.describe(ShadeHelper.type(), tb, tc);
        check(tr.kind() == TCKind.tk_struct && tr.id().equals("IDL:Goods/Point:1.0"), "TypeCode result");
        check(tb.value.kind() == TCKind.tk_enum, "TypeCode out");
        check(tc.value.kind() == TCKind.tk_string, "TypeCode inout");

        BaseServant bs = new BaseServant();
        Shop.Base remote = new Shop._BaseStub(ref(bs));
        Shop.BaseHolder bb = new Shop.BaseHolder();
        Shop.BaseHolder bc = new Shop.BaseHolder(remote);
        Shop.Base br = s.partner(remote, bb, bc);
        check(br._is_equivalent(remote) && bb.value._is_equivalent(remote), "interface result and out");
        check(br.ping(9) == 10 && bs.last == 9, "returned reference still calls its object");
        check(bc.value._is_a("IDL:Shop/Store:1.0") && Shop.StoreHelper.narrow(bc.value).title().equals("The St\u00f6re"),
              "interface inout is the servant's reference");

        try {
            s.reset(4);
            check(servant.ticket == 4, "typedef in parameter");
        } catch (Shop.StorePackage.Busy e) {
            check(false, "reset raised Busy");
        }
        try {
            s.reset(13);
            check(false, "reset(13) raises Busy");
        } catch (Shop.StorePackage.Busy e) {
            check(e.seconds == 130, "nested exception arrives");
        }

        s._notify("hello");
        check(arrives(() -> "hello".equals(servant.message)), "oneway call arrives");
    }

    static void other(Shop.Other t, OtherServant servant) {
        int before = servant.pokes;
        t.poke();
        check(servant.pokes == before + 1, "void operation without parameters");
        t.level((short) -2);
        check(t.level() == (short) -2 && servant.level == -2, "short attribute");
        check(t.check('$') && !t.check('x'), "char in, boolean result");
    }

    static void narrowing() {
        StoreServant ss = new StoreServant();
        Shop.Store s = new Shop._StoreStub(ref(ss));
        Shop.Other t = new Shop._OtherStub(ref(new OtherServant()));
        check(Shop.StoreHelper.narrow(null) == null, "narrow of null");
        check(Shop.StoreHelper.narrow(s) == s, "narrow of a Store reference returns it");
        check(Shop.BaseHelper.narrow(s) == s, "narrow to a base interface returns the reference");
        check(Shop.StoreHelper.narrow(ss) == ss, "narrow of the servant returns it");
        try {
            Shop.StoreHelper.narrow(t);
            check(false, "narrow of an Other to Store throws");
        } catch (BAD_PARAM expected) {
        }
        check(Shop.StoreHelper._is_a(null), "_is_a of null");
        check(!Shop.StoreHelper._is_a(t), "_is_a of another interface");

        // A Both object reached through an Other reference is a Store too.
        BothServant both = new BothServant();
        Shop.Other asOther = new Shop._OtherStub(ref(both));
        Shop.Store asStore = Shop.StoreHelper.narrow(asOther);
        check(asStore instanceof Shop._StoreStub, "narrow builds a stub on the same delegate");
        check(asStore.title().equals("The St\u00f6re"), "narrowed stub calls the object");
        check(Shop.BothHelper.narrow(asOther).measure(1.25f) == 2.5, "narrow to the derived interface");

        // Marshalled through its Helper, a reference comes back narrowed.
        org.omg.CORBA.portable.OutputStream out = client.create_output_stream();
        Shop.StoreHelper.__write(out, s);
        Shop.Store back = Shop.StoreHelper.__read(out.create_input_stream());
        check(back._is_equivalent(s) && back.title().equals("The St\u00f6re"), "interface Helper marshals the reference");
        Any any = client.create_any();
        Shop.StoreHelper.insert(any, s);
        check(Shop.StoreHelper.extract(any)._is_equivalent(s) && any.type().kind() == TCKind.tk_objref,
              "interface in an any");
        Shop.StoreHolder h = new Shop.StoreHolder();
        org.omg.CORBA.portable.OutputStream hout = client.create_output_stream();
        new Shop.StoreHolder(s).__write(hout);
        h.__read(hout.create_input_stream());
        check(h.value._is_equivalent(s) && h.__type().id().equals("IDL:Shop/Store:1.0"), "interface holder");
    }

    static void unknownOperation() {
        try {
            Shop._OtherImplBase._execute(new OtherServant(), 4, new long[0], new java.lang.Object[0], new Context());
            check(false, "an unknown operation number throws");
        } catch (BAD_OPERATION expected) {
        } catch (java.lang.Exception e) {
            check(false, "unknown operation number threw " + e);
        }
    }

    static void all() {
        BaseServant bs = new BaseServant();
        base(new Shop._BaseStub(ref(bs)), 7, 1);

        StoreServant ss = new StoreServant();
        Shop.Store s = new Shop._StoreStub(ref(ss));
        base(s, -70000, -1);
        store(s, ss);

        OtherServant os = new OtherServant();
        other(new Shop._OtherStub(ref(os)), os);

        BothServant both = new BothServant();
        Shop.Both b = new Shop._BothStub(ref(both));
        base(b, -70000, -1);
        store(b, both.s);
        other(b, both.t);
        check(b.measure(-1.5f) == -3.0, "float in, double result");

        narrowing();
        unknownOperation();
    }

    public static void main(String[] args) {
        java.util.Properties props = new java.util.Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        props.setProperty("vemo.harl.port", "0");
        server = ORB.init(new String[0], props);
        client = server;
        all();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1"}, null);
        all();
        client.destroy();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBGIOPMinor", "1"}, null);
        all();
        client.destroy();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBGIOPMinor", "0", "-ORBLittleEndian", "true"}, null);
        all();
        client.destroy();
        server.destroy();

        if (failures > 0) {
            System.out.println(failures + " of " + checks + " checks failed");
            System.exit(1);
        }
        System.out.println(checks + " checks passed");
    }
}

package itest;

import static itest.InteropValues.*;

import Interop.*;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import org.omg.CORBA.Any;
import org.omg.CORBA.AnyHolder;
import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.BooleanHolder;
import org.omg.CORBA.ByteHolder;
import org.omg.CORBA.CharHolder;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.DoubleHolder;
import org.omg.CORBA.FloatHolder;
import org.omg.CORBA.IntHolder;
import org.omg.CORBA.LongHolder;
import org.omg.CORBA.NO_PERMISSION;
import org.omg.CORBA.ORB;
import org.omg.CORBA.ShortHolder;
import org.omg.CORBA.StringHolder;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.TypeCodeHolder;

// The Java server of the interoperability tests, on quorvex's skeletons: a
// Tester that checks what it receives against InteropValues and answers the
// known values.
//
//   InteropServer IORFILE [key=value ...] [-ORB... options]
//
// key=value pairs become the ORB's Properties.  The reference is written to
// IORFILE once the server listens; shutdown() ends the run, which prints
// "server: N checks, M failed".
public final class InteropServer {
    static ORB orb;

    static class PeerServant extends _PeerImplBase {
        final String name;
        int counter;
        final List<String> notes = new ArrayList<>();

        PeerServant(String name) {
            this.name = name;
        }

        public String name() { return name; }
        public int counter() { return counter; }
        public void counter(int v) { counter = v; }
        public int ping(int x) { return x + 1; }
        public synchronized void note(String text) { notes.add(text); }
        public synchronized String[] notes() { return notes.toArray(new String[0]); }
    }

    static Peer newPeer(String name) {
        PeerServant p = new PeerServant(name);
        orb.connect(p);
        return p;
    }

    static class TesterServant extends _TesterImplBase {
        int counter;
        final List<String> notes = new ArrayList<>();

        // What the skeleton or a servant method throws beyond the declared
        // exceptions is a failure, printed in full for the log.
        public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o,
                                         org.omg.CORBA.Context ctx) throws Exception {
            try {
                return super._execute(intf, op, n, o, ctx);
            } catch (RuntimeException | Error e) {
                if (!(e instanceof org.omg.CORBA.SystemException)) {
                    check(false, "server operation " + op + " threw " + e);
                    e.printStackTrace(System.out);
                }
                throw e;
            }
        }

        public String name() { return "tester"; }
        public int counter() { return counter; }
        public void counter(int v) { counter = v; }
        public int ping(int x) { return x + 1; }
        public synchronized void note(String text) { notes.add(text); }
        public synchronized String[] notes() { return notes.toArray(new String[0]); }

        private static void in(String op, Object a, Object b, Object wantA, Object wantB) {
            same(a, wantA, "server " + op + " a");
            same(b, wantB, "server " + op + " b");
        }

        public short r_short(short a, ShortHolder b, ShortHolder c) {
            in("r_short", a, b.value, vShort(1), vShort(2));
            b.value = vShort(3);
            c.value = vShort(1);
            return vShort(2);
        }

        public short r_ushort(short a, ShortHolder b, ShortHolder c) {
            in("r_ushort", a, b.value, vUshort(1), vUshort(2));
            b.value = vUshort(3);
            c.value = vUshort(1);
            return vUshort(2);
        }

        public int r_long(int a, IntHolder b, IntHolder c) {
            in("r_long", a, b.value, vLong(1), vLong(2));
            b.value = vLong(3);
            c.value = vLong(1);
            return vLong(2);
        }

        public int r_ulong(int a, IntHolder b, IntHolder c) {
            in("r_ulong", a, b.value, vUlong(1), vUlong(2));
            b.value = vUlong(3);
            c.value = vUlong(1);
            return vUlong(2);
        }

        public long r_longlong(long a, LongHolder b, LongHolder c) {
            in("r_longlong", a, b.value, vLonglong(1), vLonglong(2));
            b.value = vLonglong(3);
            c.value = vLonglong(1);
            return vLonglong(2);
        }

        public long r_ulonglong(long a, LongHolder b, LongHolder c) {
            in("r_ulonglong", a, b.value, vUlonglong(1), vUlonglong(2));
            b.value = vUlonglong(3);
            c.value = vUlonglong(1);
            return vUlonglong(2);
        }

        public float r_float(float a, FloatHolder b, FloatHolder c) {
            in("r_float", a, b.value, vFloat(1), vFloat(2));
            b.value = vFloat(3);
            c.value = vFloat(1);
            return vFloat(2);
        }

        public double r_double(double a, DoubleHolder b, DoubleHolder c) {
            in("r_double", a, b.value, vDouble(1), vDouble(2));
            b.value = vDouble(3);
            c.value = vDouble(1);
            return vDouble(2);
        }

        public boolean r_boolean(boolean a, BooleanHolder b, BooleanHolder c) {
            in("r_boolean", a, b.value, vBoolean(1), vBoolean(2));
            b.value = vBoolean(3);
            c.value = vBoolean(1);
            return vBoolean(2);
        }

        public char r_char(char a, CharHolder b, CharHolder c) {
            in("r_char", a, b.value, vChar(1), vChar(2));
            b.value = vChar(3);
            c.value = vChar(1);
            return vChar(2);
        }

        public byte r_octet(byte a, ByteHolder b, ByteHolder c) {
            in("r_octet", a, b.value, vOctet(1), vOctet(2));
            b.value = vOctet(3);
            c.value = vOctet(1);
            return vOctet(2);
        }

        public String r_string(String a, StringHolder b, StringHolder c) {
            in("r_string", a, b.value, vString(1), vString(2));
            b.value = vString(3);
            c.value = vString(1);
            return vString(2);
        }

        public String r_name(String a, StringHolder b, StringHolder c) {
            in("r_name", a, b.value, vName(1), vName(2));
            b.value = vName(3);
            c.value = vName(1);
            return vName(2);
        }

        public Color r_color(Color a, ColorHolder b, ColorHolder c) {
            in("r_color", a, b.value, vColor(1), vColor(2));
            b.value = vColor(3);
            c.value = vColor(1);
            return vColor(2);
        }

        public Nested r_nested(Nested a, NestedHolder b, NestedHolder c) {
            in("r_nested", a, b.value, vNested(1), vNested(2));
            b.value = vNested(3);
            c.value = vNested(1);
            return vNested(2);
        }

        public AllUnions r_unions(AllUnions a, AllUnionsHolder b, AllUnionsHolder c) {
            in("r_unions", a, b.value, vUnions(1), vUnions(2));
            b.value = vUnions(3);
            c.value = vUnions(1);
            return vUnions(2);
        }

        public UChar r_uchar(UChar a, UCharHolder b, UCharHolder c) {
            in("r_uchar", a, b.value, vUchar(1), vUchar(2));
            b.value = vUchar(3);
            c.value = vUchar(1);
            return vUchar(2);
        }

        public UMulti r_multi(UMulti a, UMultiHolder b, UMultiHolder c) {
            in("r_multi", a, b.value, vMulti(1), vMulti(2));
            b.value = vMulti(3);
            c.value = vMulti(1);
            return vMulti(2);
        }

        public Collections r_collections(Collections a, CollectionsHolder b, CollectionsHolder c) {
            in("r_collections", a, b.value, vCollections(1), vCollections(2));
            b.value = vCollections(3);
            c.value = vCollections(1);
            return vCollections(2);
        }

        public int[] r_longs(int[] a, LongsHolder b, LongsHolder c) {
            in("r_longs", a, b.value, vLongs(1), vLongs(2));
            b.value = vLongs(3);
            c.value = vLongs(1);
            return vLongs(2);
        }

        public String[] r_names(String[] a, Names3Holder b, Names3Holder c) {
            in("r_names", a, b.value, vNames(1), vNames(2));
            b.value = vNames(3);
            c.value = vNames(1);
            return vNames(2);
        }

        public int[][] r_grid(int[][] a, GridHolder b, GridHolder c) {
            in("r_grid", a, b.value, vGrid(1), vGrid(2));
            b.value = vGrid(3);
            c.value = vGrid(1);
            return vGrid(2);
        }

        public Tree r_tree(Tree a, TreeHolder b, TreeHolder c) {
            in("r_tree", a, b.value, vTree(1), vTree(2));
            b.value = vTree(3);
            c.value = vTree(1);
            return vTree(2);
        }

        public TypeCode r_typecode(TypeCode a, TypeCodeHolder b, TypeCodeHolder c) {
            check(sameTc(a, vTypecode(1), "server r_typecode a"), "server r_typecode a is not Nested's type code");
            check(sameTc(b.value, vTypecode(2), "server r_typecode b"), "server r_typecode b is not Collections's type code");
            b.value = vTypecode(3);
            c.value = vTypecode(4);
            return GridHelper.type();
        }

        public String r_boxstring(String a, BoxedStringHolder b, BoxedStringHolder c) {
            in("r_boxstring", a, b.value, "box-a", null);
            b.value = "box-b";
            c.value = null;
            return a + "!";
        }

        public BoxedLong r_boxlong(BoxedLong a, BoxedLongHolder b, BoxedLongHolder c) {
            check(a != null && a.value == 7, "server r_boxlong a");
            check(b.value == null, "server r_boxlong b is not null");
            b.value = new BoxedLong(8);
            c.value = null;
            return new BoxedLong(a == null ? 0 : a.value + 1);
        }

        public VPair r_vpair(VPair a, VNodeHolder b) {
            InteropObjects.checkSharedCycle(a, "server r_vpair a");
            check(b.value == null, "server r_vpair b is not null");
            b.value = InteropObjects.selfNode();
            return new VPair(null, b.value);
        }

        public VBase r_trunc(VBase a) {
            InteropObjects.checkTruncated(a, "derived", "server r_trunc a");
            return InteropObjects.derived("answer", 8);
        }

        public Any r_vany(Any a) {
            InteropObjects.checkNodeAny(a, "server r_vany a");
            return InteropObjects.baseAny(orb);
        }

        public NamedObject make_named(String name) {
            InteropObjects.NamedRefServant named = new InteropObjects.NamedRefServant(name);
            orb.connect(named);
            return named;
        }

        public VNamed r_abstract(VNamed a, VNamed b, VNamedHolder c) {
            InteropObjects.checkNamedRef(a, "ref-client", "server r_abstract a");
            InteropObjects.checkNamedValue(b, "val-client", "server r_abstract b");
            c.value = new InteropObjects.NamedValueImpl("val-server");
            return make_named("ref-server");
        }

        public java.math.BigDecimal r_big31(java.math.BigDecimal a, Big31Holder b, Big31Holder c) {
            in("r_big31", a, b.value, vBig31(1), vBig31(2));
            b.value = vBig31(3);
            c.value = vBig31(1);
            return vBig31(2);
        }

        public java.math.BigDecimal r_whole31(java.math.BigDecimal a, Whole31Holder b, Whole31Holder c) {
            in("r_whole31", a, b.value, vWhole31(1), vWhole31(2));
            b.value = vWhole31(3);
            c.value = vWhole31(1);
            return vWhole31(2);
        }

        public java.math.BigDecimal r_small5(java.math.BigDecimal a, Small5Holder b, Small5Holder c) {
            in("r_small5", a, b.value, vSmall5(1), vSmall5(2));
            b.value = vSmall5(3);
            c.value = vSmall5(1);
            return vSmall5(2);
        }

        public Fixeds r_fixeds(Fixeds a, FixedsHolder b, FixedsHolder c) {
            in("r_fixeds", a, b.value, vFixeds(1), vFixeds(2));
            b.value = vFixeds(3);
            c.value = vFixeds(1);
            return vFixeds(2);
        }

        public Any r_any(int which, Any a, AnyHolder b, AnyHolder c) {
            String w = "server r_any(" + which + ")";
            checkAny(a, anyKind(which, 0), w + " a");
            checkAny(b.value, anyKind(which, 1), w + " b");
            b.value = vAny(anyKind(which, 2), this);
            c.value = vAny(anyKind(which, 3), this);
            return vAny(anyKind(which, 4), this);
        }

        public Peer make_peer(String name) {
            return newPeer(name);
        }

        public Peer r_peer(Peer a, PeerHolder b, PeerHolder c) {
            check(a != null, "server r_peer a is nil");
            if (a != null) same(a.name(), "p1", "server r_peer a's name");
            check(b.value == null, "server r_peer b is not nil");
            b.value = a;
            c.value = null;
            return a;
        }

        public org.omg.CORBA.Object r_object(org.omg.CORBA.Object a) {
            if (a == null) return null;
            check(a._is_a("IDL:Interop/Tester:1.0"), "server r_object: the object is not a Tester");
            check(a._is_a("IDL:Interop/Named:1.0"), "server r_object: the object is not a Named");
            check(!a._is_a("IDL:Interop/Other:1.0"), "server r_object: the object claims to be an Other");
            return newPeer("obj");
        }

        public int call_peer(Peer p, int x) {
            return p.ping(x);
        }

        public void fail(int how) throws Failure, Empty {
            switch (how) {
                case 1: throw vFailure();
                case 2: throw new Empty();
                case 3: throw new BAD_PARAM(42, CompletionStatus.COMPLETED_MAYBE);
                case 4: throw new NO_PERMISSION(7, CompletionStatus.COMPLETED_NO);
                default: break;
            }
        }

        public byte[] r_octets(byte[] a) {
            return a;
        }

        public int small(int x) {
            return x + 1;
        }

        public void shutdown() {
            // Not from the thread of this call: shutting down waits for it.
            Thread t = new Thread(() -> orb.shutdown(true), "shutdown");
            t.setDaemon(true);
            t.start();
        }
    }

    static Properties properties(String[] args, List<String> rest) {
        Properties props = new Properties();
        for (String a : args) {
            int eq = a.indexOf('=');
            if (!a.startsWith("-") && eq > 0) props.setProperty(a.substring(0, eq), a.substring(eq + 1));
            else rest.add(a);
        }
        return props;
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 1) {
            System.err.println("usage: InteropServer IORFILE [key=value ...] [-ORB... options]");
            System.exit(2);
        }
        List<String> rest = new ArrayList<>();
        Properties props = properties(java.util.Arrays.copyOfRange(args, 1, args.length), rest);
        orb = ORB.init(rest.toArray(new String[0]), props);
        InteropObjects.registerFactories(orb);
        TesterServant tester = new TesterServant();
        orb.connect(tester);
        String ior = orb.object_to_string(tester);
        Path file = Path.of(args[0]);
        Path tmp = Path.of(args[0] + ".tmp");
        Files.write(tmp, (ior + "\n").getBytes(StandardCharsets.US_ASCII));
        Files.move(tmp, file, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        orb.run();
        System.out.println("server: " + checks + " checks, " + failures + " failed");
        System.exit(failures == 0 ? 0 : 1);
    }
}

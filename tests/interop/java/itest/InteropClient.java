package itest;

import static itest.InteropValues.*;

import Interop.*;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import org.omg.CORBA.Any;
import org.omg.CORBA.AnyHolder;
import org.omg.CORBA.BooleanHolder;
import org.omg.CORBA.ByteHolder;
import org.omg.CORBA.CharHolder;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.DoubleHolder;
import org.omg.CORBA.FloatHolder;
import org.omg.CORBA.IntHolder;
import org.omg.CORBA.LongHolder;
import org.omg.CORBA.ORB;
import org.omg.CORBA.ShortHolder;
import org.omg.CORBA.StringHolder;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.TypeCodeHolder;

// The Java client of the interoperability tests, on quorvex's stubs: calls
// every operation of a Tester with the known values of InteropValues and
// checks every answer.
//
//   InteropClient IOR [--missing CORBALOC] [--shutdown] [--bench SECONDS [--threads N]]
//                 [key=value ...] [-ORB... options]
//
// Prints "client: N checks, M failed"; the exit status is 0 only when no
// check failed.  With --bench it measures instead: "calls/s N", "MB/s N".
public final class InteropClient {
    static ORB orb;

    interface Call {
        void run() throws Exception;
    }

    static void expectSystem(Call call, Class<? extends SystemException> type, int minor,
                             CompletionStatus completed, String what) {
        try {
            call.run();
            check(false, what + ": no exception");
        } catch (SystemException e) {
            check(type.isInstance(e) && e.minor == minor && e.completed.value() == completed.value(),
                  what + ": got " + e.getClass().getName() + " minor " + e.minor + " completed "
                      + e.completed.value());
        } catch (Exception e) {
            check(false, what + ": got " + e);
        }
    }

    static void results(String op, Object b, Object c, Object r, Object wantB, Object wantC, Object wantR) {
        same(b, wantB, "client " + op + " b");
        same(c, wantC, "client " + op + " c");
        same(r, wantR, "client " + op + " result");
    }

    static void values(Tester t) {
        {
            ShortHolder b = new ShortHolder(vShort(2)), c = new ShortHolder();
            short r = t.r_short(vShort(1), b, c);
            results("r_short", b.value, c.value, r, vShort(3), vShort(1), vShort(2));
        }
        {
            ShortHolder b = new ShortHolder(vUshort(2)), c = new ShortHolder();
            short r = t.r_ushort(vUshort(1), b, c);
            results("r_ushort", b.value, c.value, r, vUshort(3), vUshort(1), vUshort(2));
        }
        {
            IntHolder b = new IntHolder(vLong(2)), c = new IntHolder();
            int r = t.r_long(vLong(1), b, c);
            results("r_long", b.value, c.value, r, vLong(3), vLong(1), vLong(2));
        }
        {
            IntHolder b = new IntHolder(vUlong(2)), c = new IntHolder();
            int r = t.r_ulong(vUlong(1), b, c);
            results("r_ulong", b.value, c.value, r, vUlong(3), vUlong(1), vUlong(2));
        }
        {
            LongHolder b = new LongHolder(vLonglong(2)), c = new LongHolder();
            long r = t.r_longlong(vLonglong(1), b, c);
            results("r_longlong", b.value, c.value, r, vLonglong(3), vLonglong(1), vLonglong(2));
        }
        {
            LongHolder b = new LongHolder(vUlonglong(2)), c = new LongHolder();
            long r = t.r_ulonglong(vUlonglong(1), b, c);
            results("r_ulonglong", b.value, c.value, r, vUlonglong(3), vUlonglong(1), vUlonglong(2));
        }
        {
            FloatHolder b = new FloatHolder(vFloat(2)), c = new FloatHolder();
            float r = t.r_float(vFloat(1), b, c);
            results("r_float", b.value, c.value, r, vFloat(3), vFloat(1), vFloat(2));
        }
        {
            DoubleHolder b = new DoubleHolder(vDouble(2)), c = new DoubleHolder();
            double r = t.r_double(vDouble(1), b, c);
            results("r_double", b.value, c.value, r, vDouble(3), vDouble(1), vDouble(2));
        }
        {
            BooleanHolder b = new BooleanHolder(vBoolean(2)), c = new BooleanHolder();
            boolean r = t.r_boolean(vBoolean(1), b, c);
            results("r_boolean", b.value, c.value, r, vBoolean(3), vBoolean(1), vBoolean(2));
        }
        {
            CharHolder b = new CharHolder(vChar(2)), c = new CharHolder();
            char r = t.r_char(vChar(1), b, c);
            results("r_char", b.value, c.value, r, vChar(3), vChar(1), vChar(2));
        }
        {
            ByteHolder b = new ByteHolder(vOctet(2)), c = new ByteHolder();
            byte r = t.r_octet(vOctet(1), b, c);
            results("r_octet", b.value, c.value, r, vOctet(3), vOctet(1), vOctet(2));
        }
        {
            StringHolder b = new StringHolder(vString(2)), c = new StringHolder();
            String r = t.r_string(vString(1), b, c);
            results("r_string", b.value, c.value, r, vString(3), vString(1), vString(2));
        }
        {
            StringHolder b = new StringHolder(vName(2)), c = new StringHolder();
            String r = t.r_name(vName(1), b, c);
            results("r_name", b.value, c.value, r, vName(3), vName(1), vName(2));
        }
        {
            ColorHolder b = new ColorHolder(vColor(2)), c = new ColorHolder();
            Color r = t.r_color(vColor(1), b, c);
            results("r_color", b.value, c.value, r, vColor(3), vColor(1), vColor(2));
        }
        {
            NestedHolder b = new NestedHolder(vNested(2)), c = new NestedHolder();
            Nested r = t.r_nested(vNested(1), b, c);
            results("r_nested", b.value, c.value, r, vNested(3), vNested(1), vNested(2));
        }
        {
            AllUnionsHolder b = new AllUnionsHolder(vUnions(2)), c = new AllUnionsHolder();
            AllUnions r = t.r_unions(vUnions(1), b, c);
            results("r_unions", b.value, c.value, r, vUnions(3), vUnions(1), vUnions(2));
        }
        {
            UCharHolder b = new UCharHolder(vUchar(2)), c = new UCharHolder();
            UChar r = t.r_uchar(vUchar(1), b, c);
            results("r_uchar", b.value, c.value, r, vUchar(3), vUchar(1), vUchar(2));
        }
        {
            UMultiHolder b = new UMultiHolder(vMulti(2)), c = new UMultiHolder();
            UMulti r = t.r_multi(vMulti(1), b, c);
            results("r_multi", b.value, c.value, r, vMulti(3), vMulti(1), vMulti(2));
        }
        {
            CollectionsHolder b = new CollectionsHolder(vCollections(2)), c = new CollectionsHolder();
            Collections r = t.r_collections(vCollections(1), b, c);
            results("r_collections", b.value, c.value, r, vCollections(3), vCollections(1), vCollections(2));
        }
        {
            LongsHolder b = new LongsHolder(vLongs(2)), c = new LongsHolder();
            int[] r = t.r_longs(vLongs(1), b, c);
            results("r_longs", b.value, c.value, r, vLongs(3), vLongs(1), vLongs(2));
        }
        {
            Names3Holder b = new Names3Holder(vNames(2)), c = new Names3Holder();
            String[] r = t.r_names(vNames(1), b, c);
            results("r_names", b.value, c.value, r, vNames(3), vNames(1), vNames(2));
        }
        {
            GridHolder b = new GridHolder(vGrid(2)), c = new GridHolder();
            int[][] r = t.r_grid(vGrid(1), b, c);
            results("r_grid", b.value, c.value, r, vGrid(3), vGrid(1), vGrid(2));
        }
        {
            TreeHolder b = new TreeHolder(vTree(2)), c = new TreeHolder();
            Tree r = t.r_tree(vTree(1), b, c);
            results("r_tree", b.value, c.value, r, vTree(3), vTree(1), vTree(2));
        }
        {
            TypeCodeHolder b = new TypeCodeHolder(vTypecode(2)), c = new TypeCodeHolder();
            TypeCode r = t.r_typecode(vTypecode(1), b, c);
            check(sameTc(b.value, vTypecode(3), "client r_typecode b"), "client r_typecode b is not AllUnions's type code");
            check(sameTc(c.value, vTypecode(4), "client r_typecode c"), "client r_typecode c is not Failure's type code");
            check(sameTc(r, GridHelper.type(), "client r_typecode result"), "client r_typecode result is not Grid's type code");
            try {
                TypeCode array = r.content_type();
                check(r.kind() == TCKind.tk_alias && array.kind() == TCKind.tk_array && array.length() == 2
                          && array.content_type().length() == 3,
                      "client r_typecode result: Grid is not an alias of long[2][3]");
                TypeCode first = b.value.member_type(0);
                first = unaliased(first);
                check(first.kind() == TCKind.tk_sequence, "client r_typecode: AllUnions's first member");
                TypeCode union = first.content_type().kind() == TCKind.tk_alias
                    ? first.content_type().content_type() : first.content_type();
                check(union.kind() == TCKind.tk_union && union.member_count() == 2
                          && union.discriminator_type().kind() == TCKind.tk_boolean
                          && union.member_label(0).extract_boolean() && union.default_index() == -1,
                      "client r_typecode: UBool's type code");
            } catch (Exception e) {
                check(false, "client r_typecode: " + e);
            }
        }
        {
            BoxedStringHolder b = new BoxedStringHolder(null), c = new BoxedStringHolder("not null");
            String r = t.r_boxstring("box-a", b, c);
            results("r_boxstring", b.value, c.value, r, "box-b", null, "box-a!");
        }
        {
            BoxedLongHolder b = new BoxedLongHolder(null), c = new BoxedLongHolder(new BoxedLong(1));
            BoxedLong r = t.r_boxlong(new BoxedLong(7), b, c);
            check(b.value != null && b.value.value == 8, "client r_boxlong b");
            check(c.value == null, "client r_boxlong c is not null");
            check(r != null && r.value == 8, "client r_boxlong result");
        }
        {
            VNodeHolder b = new VNodeHolder();
            VPair r = t.r_vpair(InteropObjects.sharedCycle(), b);
            InteropObjects.checkSelfNode(b.value, "client r_vpair b");
            check(r.first == null && r.second == b.value, "client r_vpair result: null and b");
            InteropObjects.checkTruncated(t.r_trunc(InteropObjects.derived("derived", 7)), "answer", "client r_trunc");
            InteropObjects.checkBaseAny(t.r_vany(InteropObjects.nodeAny(orb)), "client r_vany");
            VNamedHolder c = new VNamedHolder();
            VNamed r2 = t.r_abstract(t.make_named("ref-client"), new InteropObjects.NamedValueImpl("val-client"), c);
            InteropObjects.checkNamedRef(r2, "ref-server", "client r_abstract result");
            InteropObjects.checkNamedValue(c.value, "val-server", "client r_abstract c");
        }
        {
            Big31Holder b = new Big31Holder(vBig31(2)), c = new Big31Holder();
            java.math.BigDecimal r = t.r_big31(vBig31(1), b, c);
            results("r_big31", b.value, c.value, r, vBig31(3), vBig31(1), vBig31(2));
        }
        {
            Whole31Holder b = new Whole31Holder(vWhole31(2)), c = new Whole31Holder();
            java.math.BigDecimal r = t.r_whole31(vWhole31(1), b, c);
            results("r_whole31", b.value, c.value, r, vWhole31(3), vWhole31(1), vWhole31(2));
        }
        {
            Small5Holder b = new Small5Holder(vSmall5(2)), c = new Small5Holder();
            java.math.BigDecimal r = t.r_small5(vSmall5(1), b, c);
            results("r_small5", b.value, c.value, r, vSmall5(3), vSmall5(1), vSmall5(2));
        }
        {
            FixedsHolder b = new FixedsHolder(vFixeds(2)), c = new FixedsHolder();
            Fixeds r = t.r_fixeds(vFixeds(1), b, c);
            results("r_fixeds", b.value, c.value, r, vFixeds(3), vFixeds(1), vFixeds(2));
        }
        for (int which = 0; which < ANY_KINDS; which++) {
            String w = "client r_any(" + which + ")";
            try {
                AnyHolder b = new AnyHolder(vAny(anyKind(which, 1), t)), c = new AnyHolder();
                Any r = t.r_any(which, vAny(which, t), b, c);
                checkAny(b.value, anyKind(which, 2), w + " b");
                checkAny(c.value, anyKind(which, 3), w + " c");
                checkAny(r, anyKind(which, 4), w + " result");
            } catch (SystemException e) {
                check(false, w + ": " + e);
            }
        }
    }

    static void rest(Tester t, String missing) throws Exception {
        // Attributes, inherited operations and oneway calls.
        same(t.name(), "tester", "client name attribute");
        t.counter(Integer.MIN_VALUE);
        same(t.counter(), Integer.MIN_VALUE, "client counter attribute");
        t.counter(17);
        same(t.counter(), 17, "client counter attribute set again");
        same(t.ping(41), 42, "client inherited ping");
        t.note("one");
        t.note(latin1());
        String[] notes = new String[0];
        for (int i = 0; i < 100 && notes.length < 2; i++) {
            notes = t.notes();
            if (notes.length < 2) Thread.sleep(50);
        }
        List<String> got = java.util.Arrays.asList(notes);
        check(notes.length == 2 && got.contains("one") && got.contains(latin1()),
              "client oneway notes: " + notes.length + " received");

        // Object references.
        Peer p = t.make_peer("p1");
        check(p != null, "client make_peer gave nil");
        same(p.name(), "p1", "client peer name");
        same(p.ping(-1), 0, "client peer ping");
        System.out.println("peer reference: " + orb.object_to_string(p));
        PeerHolder b = new PeerHolder(null), c = new PeerHolder();
        Peer r = t.r_peer(p, b, c);
        check(b.value != null && r != null && c.value == null, "client r_peer nil-ness");
        if (b.value != null) same(b.value.name(), "p1", "client r_peer b's name");
        if (r != null) same(r.ping(1), 2, "client r_peer result's ping");
        org.omg.CORBA.Object o = t.r_object(t);
        Peer op = o == null ? null : PeerHelper.narrow(o);
        check(op != null, "client r_object: the answer does not narrow to Peer");
        if (op != null) same(op.name(), "obj", "client r_object's name");
        check(t.r_object(null) == null, "client r_object(nil) is not nil");
        check(o == null || !o._is_a("IDL:Interop/Tester:1.0"), "client r_object's answer claims to be a Tester");

        // A servant of our own, called back by the server.
        InteropServer.PeerServant mine = new InteropServer.PeerServant("mine");
        orb.connect(mine);
        System.out.println("own reference: " + orb.object_to_string(mine));
        same(t.call_peer(mine, 99), 100, "client call_peer on the client's own peer");
        same(t.call_peer(p, 7), 8, "client call_peer on the server's peer");

        // Exceptions.
        t.fail(0);
        try {
            t.fail(1);
            check(false, "client fail(1) raised nothing");
        } catch (Failure f) {
            same(f, vFailure(), "client fail(1)");
        }
        try {
            t.fail(2);
            check(false, "client fail(2) raised nothing");
        } catch (Empty e) {
            check(true, "");
        }
        expectSystem(() -> t.fail(3), org.omg.CORBA.BAD_PARAM.class, 42, CompletionStatus.COMPLETED_MAYBE,
                     "client fail(3)");
        expectSystem(() -> t.fail(4), org.omg.CORBA.NO_PERMISSION.class, 7, CompletionStatus.COMPLETED_NO,
                     "client fail(4)");

        // An object key the server does not know.
        if (missing != null) {
            org.omg.CORBA.Object gone = orb.string_to_object(missing);
            try {
                check(gone._non_existent(), "client _non_existent on an unknown key is false");
            } catch (SystemException e) {
                check(false, "client _non_existent on an unknown key raised " + e);
            }
            try {
                gone._is_a(PeerHelper.id());
                check(false, "client _is_a on an unknown key: no exception");
            } catch (org.omg.CORBA.OBJECT_NOT_EXIST e) {
                check(true, "");
            } catch (SystemException e) {
                check(false, "client _is_a on an unknown key raised " + e);
            }
        }

        // A megabyte of octets, whole.
        byte[] back = t.r_octets(octets(1 << 20));
        StringBuilder why = new StringBuilder();
        check(octetsOk(back, 1 << 20, why), "client r_octets: " + why);
    }

    // Small calls, then 1 MB octet sequences, each for about SECONDS.
    interface Step {
        int run();
    }

    // Runs step on `threads` threads at once for about `seconds`; the
    // total count a second.
    static double parallel(int threads, double seconds, Step step) throws InterruptedException {
        long[] counts = new long[threads];
        Thread[] pool = new Thread[threads];
        long start = System.nanoTime();
        for (int k = 0; k < threads; k++) {
            int slot = k;
            pool[k] = new Thread(() -> {
                while ((System.nanoTime() - start) / 1e9 < seconds) counts[slot] += step.run();
            });
            pool[k].start();
        }
        long n = 0;
        for (int k = 0; k < threads; k++) {
            pool[k].join();
            n += counts[k];
        }
        return n / ((System.nanoTime() - start) / 1e9);
    }

    static void bench(Tester t, double seconds, int threads) throws InterruptedException {
        for (int i = 0; i < 2000; i++) t.small(i);
        double calls = parallel(threads, seconds, () -> {
            for (int i = 0; i < 100; i++) {
                if (t.small(i) != i + 1) throw new IllegalStateException("wrong answer");
            }
            return 100;
        });
        System.out.println("calls/s " + calls);
        byte[] big = new byte[1 << 20];
        for (int i = 0; i < big.length; i++) big[i] = (byte) i;
        for (int i = 0; i < 10; i++) t.r_octets(big);
        double rate = parallel(threads, seconds, () -> {
            if (t.r_octets(big).length != big.length) throw new IllegalStateException("wrong length");
            return 1;
        });
        // Each call carries the megabyte there and back.
        System.out.println("MB/s " + 2.0 * rate);
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 1) {
            System.err.println("usage: InteropClient IOR [--missing CORBALOC] [--shutdown] [--bench SECONDS [--threads N]] "
                               + "[key=value ...] [-ORB... options]");
            System.exit(2);
        }
        String missing = null;
        boolean shutdown = false;
        double benchSeconds = -1;
        int benchThreads = 1;
        Properties props = new Properties();
        List<String> orbArgs = new ArrayList<>();
        for (int i = 1; i < args.length; i++) {
            String a = args[i];
            if (a.equals("--missing") && i + 1 < args.length) missing = args[++i];
            else if (a.equals("--shutdown")) shutdown = true;
            else if (a.equals("--bench") && i + 1 < args.length) benchSeconds = Double.parseDouble(args[++i]);
            else if (a.equals("--threads") && i + 1 < args.length) benchThreads = Math.max(1, Integer.parseInt(args[++i]));
            else if (!a.startsWith("-") && a.indexOf('=') > 0)
                props.setProperty(a.substring(0, a.indexOf('=')), a.substring(a.indexOf('=') + 1));
            else orbArgs.add(a);
        }
        orb = ORB.init(orbArgs.toArray(new String[0]), props);
        InteropServer.orb = orb;
        InteropObjects.registerFactories(orb);
        int status = 1;
        try {
            Tester t = TesterHelper.narrow(orb.string_to_object(args[0]));
            if (t == null) {
                System.out.println("FAILED: the reference is nil");
            } else if (benchSeconds >= 0) {
                bench(t, benchSeconds, benchThreads);
                status = 0;
            } else {
                try {
                    values(t);
                    rest(t, missing);
                } catch (Exception | Error e) {
                    check(false, "client stopped by " + e);
                    e.printStackTrace(System.out);
                }
                if (shutdown) t.shutdown();
                System.out.println("client: " + checks + " checks, " + failures + " failed");
                status = failures == 0 ? 0 : 1;
            }
        } catch (Exception | Error e) {
            System.out.println("FAILED: " + e);
            e.printStackTrace(System.out);
        } finally {
            System.out.flush();
            // The ORB's threads must not keep the process alive.
            Runtime.getRuntime().halt(status);
        }
    }
}

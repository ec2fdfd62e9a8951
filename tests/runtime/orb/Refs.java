import java.util.Properties;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;

import vemo.harl.ior.IOR;
import vemo.harl.orb.FullORB;

// Object references and what a server answers besides normal calls:
// stringified IORs and corbaloc URLs both ways, a persistent name that a
// restarted server on the same port honours, a transient key that it does
// not, _is_a and _non_existent asked of the server, system exceptions
// raised by a servant, unknown keys and operations, code sets, settings.
public class Refs {
    static int failures;
    static int checks;

    static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    static Properties at(int port) {
        Properties p = new Properties();
        p.setProperty("vemo.harl.host", "127.0.0.1");
        p.setProperty("vemo.harl.port", Integer.toString(port));
        return p;
    }

    static void expect(Class<? extends SystemException> want, Runnable call, String what) {
        try {
            call.run();
            check(false, what + ": no exception");
        } catch (SystemException e) {
            check(want.isInstance(e), what + ": " + e);
        }
    }

    static int freePort() {
        java.util.Random r = new java.util.Random();
        for (int i = 0; i < 200; i++) {
            int p = 20000 + r.nextInt(12000);
            try (java.net.ServerSocket s = new java.net.ServerSocket()) {
                s.setReuseAddress(true);
                s.bind(new java.net.InetSocketAddress("127.0.0.1", p));
                return p;
            } catch (java.io.IOException busy) {
                // the next one
            }
        }
        return 0;
    }

    public static void main(String[] args) throws Exception {
        // Strings of references.
        IOR made = IOR.make("IDL:test/Echo:1.0", "127.0.0.1", 2809, new byte[] {0, 'k', (byte) 0xff, '/'}, 2);
        IOR back = IOR.parse(made.toString());
        check(back.equals(made) && back.iiop().port == 2809 && back.iiop().minor == 2, "IOR string round trip");
        check(back.iiop().codeSets() != null && back.iiop().codeSets()[0][0] == IOR.ISO_8859_1, "IOR carries code sets");
        check(IOR.parse(made.toString().toUpperCase().replace("IOR:", "IOR:")).equals(made), "upper-case hex");
        IOR loc = IOR.parseCorbaloc("corbaloc:iiop:1.1@localhost:4000/a%2Fb%00c");
        check(loc.iiop().host.equals("localhost") && loc.iiop().port == 4000 && loc.iiop().minor == 1
              && java.util.Arrays.equals(loc.iiop().key(), new byte[] {'a', '/', 'b', 0, 'c'}), "corbaloc with escapes");
        check(IOR.parseCorbaloc("corbaloc::h/x").iiop().port == 2809, "corbaloc default port");
        check(IOR.parseCorbaloc("corbaloc:iiop:[::1]:5/x").iiop().host.equals("::1"), "corbaloc IPv6 host");
        for (String bad : new String[] {"IOR:0", "IOR:zz", "IOR:", "IOR:00000000ffffffff", "corbaloc:iiop:h:99999/x",
                                        "corbaloc:iiop:h:1", "corbaloc:http:h/x", "corbaloc:iiop:h/%4", "corbaloc:iiop:2.0@h/x"}) {
            try {
                if (bad.startsWith("IOR")) IOR.parse(bad); else IOR.parseCorbaloc(bad);
                check(false, "bad reference string accepted: " + bad);
            } catch (org.omg.CORBA.BAD_PARAM expected) {
                checks++;
            }
        }

        // A server with a persistent name and a transient key, on a port
        // outside the range the system hands out for outgoing connections
        // (so that nobody takes it while the server restarts).
        ORB server = ORB.init(new String[0], at(freePort()));
        Echo named = new Echo();
        Echo plain = new Echo();
        ((FullORB) server).connect(named, "echo/main");
        server.connect(plain);
        int port = ((FullORB) server).port();
        String namedIor = server.object_to_string(named);
        String plainIor = server.object_to_string(plain);
        check(IOR.parse(namedIor).iiop().host.equals("127.0.0.1"), "the reference names 127.0.0.1");
        String url = ((FullORB) server).object_to_corbaloc(named);
        check(url.equals("corbaloc:iiop:1.2@127.0.0.1:" + port + "/echo/main"), "corbaloc of a named servant: " + url);

        ORB client = ORB.init(new String[] {"-ORBReplyTimeout", "10000",
                                            "-ORBInitRef", "Echo=corbaloc:iiop:127.0.0.1:" + port + "/echo%2Fmain"}, null);
        ObjectImpl byUrl = (ObjectImpl) client.string_to_object(url);
        check(Echo.echo(byUrl, "hi") .equals("hi"), "call through corbaloc");
        check(byUrl._is_a("IDL:test/Echo:1.0") && !byUrl._is_a("IDL:test/Other:1.0"), "_is_a asked of the server");
        check(!byUrl._non_existent(), "_non_existent of a live object");
        ObjectImpl initial = (ObjectImpl) client.resolve_initial_references("Echo");
        check(Echo.add(initial, 1, 2) == 3, "initial reference from -ORBInitRef");
        check(client.list_initial_services().length == 1, "list_initial_services");
        ObjectImpl viaRir = (ObjectImpl) client.string_to_object("corbaloc:rir:/Echo");
        check(Echo.add(viaRir, 1, 3) == 4, "corbaloc:rir");
        ObjectImpl byIor = (ObjectImpl) client.string_to_object(plainIor);
        check(byIor._is_equivalent(client.string_to_object(plainIor)) && !byIor._is_equivalent(byUrl),
              "equivalence of references");
        check(byIor.toString().equals(plainIor), "a reference prints as its IOR");
        check(client.object_to_string(byIor).equals(plainIor), "object_to_string of a reference");

        // Values across the wire.  The code sets are chosen at a
        // connection's first request, from an IOR that announces them (not
        // from a corbaloc URL): ISO-8859-1 unless both prefer UTF-8.
        ORB latin = ORB.init(new String[0], null);
        ObjectImpl viaLatin = (ObjectImpl) latin.string_to_object(plainIor);
        check(Echo.echo(viaLatin, "caf\u00e9").equals("caf\u00e9"), "Latin-1 text by default");
        expect(org.omg.CORBA.DATA_CONVERSION.class, () -> Echo.echo(viaLatin, "\u20ac"), "text beyond ISO-8859-1");
        latin.destroy();
        ORB fresh = ORB.init(new String[] {"-ORBNativeCharCodeSet", "UTF-8"}, null);
        ObjectImpl utf = (ObjectImpl) fresh.string_to_object(plainIor);
        String wide = "\u00e9\u20ac\ud83d\ude00 and \u0000? no: plain";
        wide = wide.replace("\u0000", "");
        check(Echo.echo(utf, wide).equals(wide), "non-Latin-1 text with UTF-8 negotiated");
        fresh.destroy();
        byte[] big = new byte[1 << 20];
        for (int i = 0; i < big.length; i++) big[i] = (byte) (i * 31);
        check(java.util.Arrays.equals(Echo.blob(byIor, big), big), "1 MiB octet sequence");
        long[] n = new long[2];
        Object[] o = new Object[1];
        n[1] = 0x12345678L;
        expect(org.omg.CORBA.BAD_PARAM.class, () -> byIor._invoke(Echo.SPLIT, n, o), "an out value without holder");
        o[0] = new org.omg.CORBA.ShortHolder();
        byIor._invoke(Echo.SPLIT, n, o);
        check(n[0] == 0x1234 && ((org.omg.CORBA.ShortHolder) o[0]).value == 0x5678, "unsigned result and out holder");

        // Faults the server answers.
        expect(org.omg.CORBA.NO_PERMISSION.class, () -> Echo.fail(byIor, 1), "servant raises a system exception");
        try {
            Echo.fail(byIor, 1);
        } catch (org.omg.CORBA.NO_PERMISSION e) {
            check(e.minor == 7 && e.completed == org.omg.CORBA.CompletionStatus.COMPLETED_YES, "minor code and completion");
        }
        expect(org.omg.CORBA.UNKNOWN.class, () -> Echo.fail(byIor, 2), "servant raises a Java exception");
        org.omg.CORBA.portable.OperationDescriptor nosuch = new org.omg.CORBA.portable.OperationDescriptor(
            "nosuch", new int[0], new Class[0], new String[0], new Class[0], false);
        expect(org.omg.CORBA.BAD_OPERATION.class, () -> byIor._invoke(nosuch, null, null), "unknown operation");
        ObjectImpl nokey = (ObjectImpl) client.string_to_object("corbaloc:iiop:127.0.0.1:" + port + "/none");
        expect(org.omg.CORBA.OBJECT_NOT_EXIST.class, () -> Echo.add(nokey, 1, 1), "unknown object key");
        check(nokey._non_existent(), "_non_existent of an unknown key");

        // corbaname: a naming context under the key NameService.
        Naming naming = new Naming();
        ((FullORB) server).connect(naming, "NameService");
        naming.bound.put("dir./echo.main", named);
        ObjectImpl byName = (ObjectImpl) client.string_to_object(
            "corbaname:iiop:127.0.0.1:" + port + "#dir/echo.main");
        check(byName != null && Echo.add(byName, 20, 22) == 42, "corbaname resolves through the naming context");
        expect(org.omg.CORBA.BAD_PARAM.class, () -> client.string_to_object(
            "corbaname:iiop:127.0.0.1:" + port + "#no/such"), "corbaname of an unbound name");

        // Restart on the same port: the name still answers, the transient
        // key does not.
        server.destroy();
        ORB again = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBPort", Integer.toString(port)}, null);
        Echo revived = new Echo();
        ((FullORB) again).connect(revived, "echo/main");
        check(Echo.echo(byUrl, "back").equals("back"), "a persistent reference after a restart");
        ObjectImpl oldNamed = (ObjectImpl) client.string_to_object(namedIor);
        check(Echo.add(oldNamed, 5, 6) == 11, "a persistent IOR after a restart");
        expect(org.omg.CORBA.OBJECT_NOT_EXIST.class, () -> Echo.add(byIor, 1, 1), "a transient key after a restart");

        // Disconnected servants are gone.
        again.disconnect(revived);
        expect(org.omg.CORBA.OBJECT_NOT_EXIST.class, () -> Echo.add(byUrl, 1, 1), "a disconnected servant");

        // Settings that make no sense are refused.
        try {
            ORB.init(new String[] {"-ORBGIOPMinor", "7"}, null);
            check(false, "GIOP 1.7 refused");
        } catch (org.omg.CORBA.BAD_PARAM expected) {
            checks++;
        }
        // ORB.init's shared factory has no network.
        expect(org.omg.CORBA.NO_IMPLEMENT.class, () -> ORB.init().string_to_object(url), "the factory ORB");

        client.destroy();
        again.destroy();
        if (failures > 0) {
            System.out.println(failures + " of " + checks + " checks failed");
            System.exit(1);
        }
        System.out.println(checks + " checks passed");
    }
}

import java.io.File;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Properties;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.Skeleton;

import vemo.harl.ior.IOR;
import vemo.harl.ior.SslTrans;
import vemo.harl.orb.FullORB;

// IIOP over TLS between two vemo.harl ORBs, with keys and self-signed
// certificates made by keytool in a temporary folder: which clients a
// server that requires TLS lets in (and that a refused one never reaches
// the servant), the subject the servant sees, what references announce,
// a server that also offers plain IIOP, and the settings refused.
public class TlsTest {
    static int failures;
    static int checks;

    static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    // A servant that answers who called: "tls <subject>" or "plain -".
    static final class Door extends ObjectImpl implements Skeleton {
        static final OperationDescriptor WHO = new OperationDescriptor(
            "who", new int[] {0x12}, new Class[] {null}, new String[0], new Class[0], false);
        static final OperationDescriptor INNER = new OperationDescriptor(
            "inner", new int[] {0x12}, new Class[] {null}, new String[0], new Class[0], false);
        final AtomicInteger calls = new AtomicInteger();
        volatile ObjectImpl self;

        Door() {
            super(null);
        }

        public String[] _get_ids() {
            return new String[] {"IDL:test/Door:1.0"};
        }

        public OperationDescriptor[][] _get_dispatch_table() {
            return new OperationDescriptor[][] {{WHO, INNER}};
        }

        public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context c) {
            calls.incrementAndGet();
            String who = vemo.harl.tls.Caller.subject();
            if (op == 1) {
                // a collocated call made during a call over TLS
                o[0] = who(self) + " inside " + who;
                return null;
            }
            o[0] = (vemo.harl.tls.Caller.secure() ? "tls " : "plain ") + (who == null ? "-" : who);
            return null;
        }

        static String who(ObjectImpl ref) {
            java.lang.Object[] o = new java.lang.Object[1];
            ref._invoke(WHO, new long[1], o);
            return (String) o[0];
        }

        static String inner(ObjectImpl ref) {
            java.lang.Object[] o = new java.lang.Object[1];
            ref._invoke(INNER, new long[1], o);
            return (String) o[0];
        }
    }

    static Path dir;
    static final String PASS = "test-pass";

    static void keytool(String... args) throws Exception {
        List<String> cmd = new ArrayList<>();
        cmd.add(System.getProperty("java.home") + File.separator + "bin" + File.separator + "keytool");
        cmd.addAll(Arrays.asList(args));
        Process p = new ProcessBuilder(cmd).redirectErrorStream(true).start();
        String out = new String(p.getInputStream().readAllBytes());
        if (p.waitFor() != 0) throw new IllegalStateException("keytool " + String.join(" ", args) + ": " + out);
    }

    // A key store NAME.p12 with a self-signed certificate for dname, and
    // its certificate in NAME.pem.
    static void identity(String name, String dname) throws Exception {
        String ks = dir.resolve(name + ".p12").toString();
        keytool("-genkeypair", "-keyalg", "EC", "-groupname", "secp256r1", "-alias", name, "-dname", dname,
                "-validity", "2", "-keystore", ks, "-storetype", "PKCS12", "-storepass", PASS);
        keytool("-exportcert", "-rfc", "-alias", name, "-keystore", ks, "-storepass", PASS, "-file",
                dir.resolve(name + ".pem").toString());
    }

    // A trust store NAME.p12 holding the certificates of the identities named.
    static void trusting(String name, String... who) throws Exception {
        for (String w : who) {
            keytool("-importcert", "-noprompt", "-alias", w, "-file", dir.resolve(w + ".pem").toString(), "-keystore",
                    dir.resolve(name + ".p12").toString(), "-storetype", "PKCS12", "-storepass", PASS);
        }
    }

    static String store(String name) {
        return dir.resolve(name + ".p12").toString();
    }

    // Settings: "key=value" pairs, store names resolved in the folder.
    static Properties props(String... kv) {
        Properties p = new Properties();
        p.setProperty("vemo.harl.host", "127.0.0.1");
        p.setProperty("vemo.harl.connectTimeout", "10000");
        p.setProperty("vemo.harl.replyTimeout", "20000");
        for (String s : kv) {
            int eq = s.indexOf('=');
            String k = s.substring(0, eq), v = s.substring(eq + 1);
            if (k.endsWith("Store")) {
                v = store(v);
                p.setProperty(k + "Password", PASS);
            }
            p.setProperty(k, v);
        }
        return p;
    }

    static final String SERVER_DN = "CN=door server,O=quorvex test";
    static final String CLIENT_DN = "CN=door client,O=quorvex test";

    // What a client with the given settings gets from who(): the answer,
    // or the simple name of the system exception.
    static String callWith(String ior, String... settings) {
        ORB client = ORB.init(new String[0], props(settings));
        try {
            return Door.who((ObjectImpl) client.string_to_object(ior));
        } catch (SystemException e) {
            if (System.getenv("TLS_DEBUG") != null) System.out.println(e);
            return e.getClass().getSimpleName();
        } finally {
            client.destroy();
        }
    }

    static <T extends SystemException> void expect(Class<T> want, Runnable r, String what) {
        try {
            r.run();
            check(false, what + ": no exception");
        } catch (SystemException e) {
            check(want.isInstance(e), what + ": " + e);
        }
    }

    // A TLS server that shakes hands and then reads nothing: a large
    // request fills the connection, and the write stuck in the TLS layer
    // must end (the connection closed after the reply timeout), not hang.
    static void muteServer() throws Exception {
        java.security.KeyStore ks = java.security.KeyStore.getInstance("PKCS12");
        try (java.io.InputStream in = Files.newInputStream(dir.resolve("server.p12"))) {
            ks.load(in, PASS.toCharArray());
        }
        javax.net.ssl.KeyManagerFactory kmf = javax.net.ssl.KeyManagerFactory.getInstance("PKIX");
        kmf.init(ks, PASS.toCharArray());
        javax.net.ssl.SSLContext ctx = javax.net.ssl.SSLContext.getInstance("TLS");
        ctx.init(kmf.getKeyManagers(), null, null);
        try (javax.net.ssl.SSLServerSocket ss = (javax.net.ssl.SSLServerSocket) ctx.getServerSocketFactory()
                 .createServerSocket(0, 1, java.net.InetAddress.getByName("127.0.0.1"))) {
            List<java.net.Socket> held = new ArrayList<>();
            Thread acceptor = new Thread(() -> {
                try {
                    javax.net.ssl.SSLSocket s = (javax.net.ssl.SSLSocket) ss.accept();
                    held.add(s);
                    s.startHandshake();
                } catch (java.io.IOException e) {
                    // the test sees the client's side
                }
            });
            acceptor.setDaemon(true);
            acceptor.start();
            SslTrans announce = new SslTrans(SslTrans.INTEGRITY | SslTrans.CONFIDENTIALITY,
                                             SslTrans.INTEGRITY | SslTrans.CONFIDENTIALITY, ss.getLocalPort());
            IOR mute = IOR.make("IDL:test/Echo:1.0", "127.0.0.1", 0, new byte[] {1}, 2, IOR.ISO_8859_1,
                                List.of(announce.component()));
            Properties p = props("vemo.harl.tls.trustStore=client-trust");
            p.setProperty("vemo.harl.replyTimeout", "1000");
            ORB client = ORB.init(new String[0], p);
            ObjectImpl ref = (ObjectImpl) client.string_to_object(mute.toString());
            expect(org.omg.CORBA.COMM_FAILURE.class, () -> Echo.blob(ref, new byte[32 << 20]),
                   "a request to a TLS server that reads nothing");
            client.destroy();
            for (java.net.Socket s : held) s.close();
        }
    }

    public static void main(String[] args) throws Exception {
        dir = Files.createTempDirectory("quorvex-tls-test-");
        try {
            run();
        } finally {
            for (File f : dir.toFile().listFiles()) f.delete();
            dir.toFile().delete();
        }
        System.out.println("tls: " + checks + " checks, " + failures + " failed");
        System.exit(failures == 0 ? 0 : 1);
    }

    static void run() throws Exception {
        identity("server", SERVER_DN);
        identity("client", CLIENT_DN);
        identity("stranger", "CN=stranger,O=elsewhere");
        trusting("server-trust", "client");
        trusting("client-trust", "server");
        trusting("stranger-trust", "stranger");

        // A server that requires TLS and a client certificate.
        ORB server = ORB.init(new String[] {"-ORBTlsPort", "0"},
                              props("vemo.harl.tls.keyStore=server", "vemo.harl.tls.trustStore=server-trust"));
        Door door = new Door();
        server.connect(door);
        door.self = door;
        String ior = server.object_to_string(door);
        IOR.IIOPProfile p = IOR.parse(ior).iiop();
        SslTrans ssl = SslTrans.of(p);
        int tlsPort = ((FullORB) server).tlsPort();
        check(p.port == 0, "a server that requires TLS publishes port 0, not " + p.port);
        check(ssl != null && ssl.port == tlsPort && tlsPort > 0, "the TLS component names the TLS port: " + ssl);
        check(ssl != null && ssl.requiresProtection()
                  && (ssl.targetRequires & SslTrans.ESTABLISH_TRUST_IN_CLIENT) != 0
                  && (ssl.targetSupports & SslTrans.NO_PROTECTION) == 0,
              "the component requires protection and a client certificate: " + ssl);

        expect(org.omg.CORBA.BAD_PARAM.class, () -> ((FullORB) server).object_to_corbaloc(door),
               "a corbaloc URL for an object that takes only TLS");

        // Clients, each in an ORB of its own: what they get, and whether
        // the servant was called.
        String[][] cases = {
            {"trusted, with its certificate", "tls " + CLIENT_DN,
             "vemo.harl.tls.keyStore=client", "vemo.harl.tls.trustStore=client-trust"},
            {"the JDK's javax.net.ssl properties", "tls " + CLIENT_DN,
             "javax.net.ssl.keyStore=client", "javax.net.ssl.trustStore=client-trust"},
            {"TLS 1.2 only", "tls " + CLIENT_DN,
             "vemo.harl.tls.keyStore=client", "vemo.harl.tls.trustStore=client-trust", "vemo.harl.tls.protocols=TLSv1.2"},
            {"no certificate", "NO_PERMISSION", "vemo.harl.tls.trustStore=client-trust"},
            {"a certificate the server does not trust", "NO_PERMISSION",
             "vemo.harl.tls.keyStore=stranger", "vemo.harl.tls.trustStore=client-trust"},
            {"a trust store without the server's certificate", "NO_PERMISSION",
             "vemo.harl.tls.keyStore=client", "vemo.harl.tls.trustStore=stranger-trust"},
            {"no trust configured", "NO_PERMISSION", "vemo.harl.tls.keyStore=client"},
        };
        int expected = 0;
        for (String[] c : cases) {
            String got = callWith(ior, Arrays.copyOfRange(c, 2, c.length));
            check(got.equals(c[1]), c[0] + ": got " + got + ", want " + c[1]);
            if (c[1].startsWith("tls")) expected++;
        }
        // A plain-text client that finds the TLS port anyway.
        String plainUrl = "corbaloc:iiop:1.2@127.0.0.1:" + tlsPort + "/" + IOR.escape(p.key());
        String got = callWith(plainUrl);
        check(got.equals("COMM_FAILURE") || got.equals("TRANSIENT"), "a plain client on the TLS port: " + got);
        check(door.calls.get() == expected, "the servant was called " + door.calls.get() + " times, want " + expected);

        // A collocated call made inside a call over TLS sees no caller.
        ORB trusted = ORB.init(new String[0], props("vemo.harl.tls.keyStore=client", "vemo.harl.tls.trustStore=client-trust"));
        got = Door.inner((ObjectImpl) trusted.string_to_object(ior));
        check(got.equals("plain - inside " + CLIENT_DN), "a collocated call inside a TLS call: " + got);
        trusted.destroy();
        server.shutdown(true);
        server.destroy();

        // A server that lets clients without certificates in, and also
        // takes plain IIOP.
        ORB open = ORB.init(new String[] {"-ORBTlsPort", "0", "-ORBTlsPlain", "true", "-ORBTlsClientAuth", "want"},
                            props("vemo.harl.tls.keyStore=server", "vemo.harl.tls.trustStore=server-trust"));
        Door second = new Door();
        open.connect(second);
        String openIor = open.object_to_string(second);
        IOR.IIOPProfile op = IOR.parse(openIor).iiop();
        SslTrans ossl = SslTrans.of(op);
        check(op.port == ((FullORB) open).port() && op.port > 0, "a server that also offers plain IIOP publishes its port");
        check(ossl != null && !ossl.requiresProtection() && (ossl.targetSupports & SslTrans.NO_PROTECTION) != 0,
              "its component requires nothing: " + ossl);
        String[][] openCases = {
            {"no trust: plain IIOP", "plain -"},
            {"trust, no certificate", "tls -", "vemo.harl.tls.trustStore=client-trust"},
            {"trust and certificate", "tls " + CLIENT_DN, "vemo.harl.tls.keyStore=client",
             "vemo.harl.tls.trustStore=client-trust"},
        };
        for (String[] c : openCases) {
            got = callWith(openIor, Arrays.copyOfRange(c, 2, c.length));
            check(got.equals(c[1]), c[0] + ": got " + got + ", want " + c[1]);
        }
        open.shutdown(true);
        open.destroy();

        // A TLS 1.3 server and a TLS 1.2 client do not agree.
        ORB only13 = ORB.init(new String[] {"-ORBTlsPort", "0", "-ORBTlsProtocols", "TLSv1.3"},
                              props("vemo.harl.tls.keyStore=server", "vemo.harl.tls.trustStore=server-trust"));
        Door third = new Door();
        only13.connect(third);
        got = callWith(only13.object_to_string(third), "vemo.harl.tls.keyStore=client",
                      "vemo.harl.tls.trustStore=client-trust", "vemo.harl.tls.protocols=TLSv1.2");
        check(got.equals("NO_PERMISSION") && third.calls.get() == 0, "TLS 1.2 against a TLS 1.3 server: " + got);
        only13.shutdown(true);
        only13.destroy();

        // Settings refused.
        String[][] bad = {
            {"-ORBTlsProtocols", "TLSv1.1"}, {"-ORBTlsProtocols", "TLSv1.3,SSLv3"}, {"-ORBTlsClientAuth", "maybe"},
            {"-ORBTlsPort", "65536"}, {"-ORBTlsPort", "x"}, {"-ORBTlsPlain", "perhaps"},
        };
        for (String[] b : bad) {
            expect(org.omg.CORBA.BAD_PARAM.class, () -> ORB.init(b, props()), "setting " + String.join(" ", b));
        }
        // Servers that cannot listen for TLS say why when they start.
        String[][] unstartable = {
            {"no key store"},
            {"a client certificate needed and no trust store", "vemo.harl.tls.keyStore=server"},
            {"GIOP 1.0 references cannot announce TLS", "vemo.harl.tls.keyStore=server",
             "vemo.harl.tls.trustStore=server-trust", "vemo.harl.giopMinor=0"},
        };
        for (String[] u : unstartable) {
            ORB o = ORB.init(new String[] {"-ORBTlsPort", "0"}, props(Arrays.copyOfRange(u, 1, u.length)));
            expect(org.omg.CORBA.INITIALIZE.class, () -> o.connect(new Door()), u[0]);
            o.destroy();
        }

        muteServer();

        // A malformed TLS component in a reference is refused before any
        // connection is made.
        byte[] shortSsl = new vemo.harl.ior.Encaps.Writer().ushort(6).toByteArray();
        IOR.IIOPProfile broken = new IOR.IIOPProfile(1, 2, "127.0.0.1", 1, new byte[] {1},
            List.of(new IOR.TaggedComponent(SslTrans.TAG_SSL_SEC_TRANS, shortSsl)));
        IOR brokenIor = new IOR("IDL:test/Door:1.0", List.of(new IOR.TaggedProfile(IOR.TAG_INTERNET_IOP, broken.encode())));
        got = callWith(brokenIor.toString(), "vemo.harl.tls.trustStore=client-trust");
        check(got.equals("INV_OBJREF"), "a malformed TLS component: " + got);
    }
}

package vemo.harl.tls;

import java.io.IOException;
import java.io.InputStream;
import java.net.Socket;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.security.GeneralSecurityException;
import java.security.KeyStore;
import java.security.Principal;
import java.util.LinkedHashSet;
import java.util.Locale;
import java.util.Properties;

import javax.net.ssl.KeyManager;
import javax.net.ssl.KeyManagerFactory;
import javax.net.ssl.SSLContext;
import javax.net.ssl.SSLPeerUnverifiedException;
import javax.net.ssl.SSLSocket;
import javax.net.ssl.TrustManager;
import javax.net.ssl.TrustManagerFactory;

import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.INITIALIZE;
import org.omg.CORBA.INV_OBJREF;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.NO_PERMISSION;

import vemo.harl.ior.IOR;
import vemo.harl.ior.SslTrans;

// IIOP over TLS for a full ORB: its settings, the JDK's SSLContext built
// from them, the TLS listener of the server, TLS connections of the client,
// and the TAG_SSL_SEC_TRANS component that announces the listener in the
// ORB's references.  The ORB's other settings (Settings) ignore these.
//
//   vemo.harl.tls.port                -ORBTlsPort                port of the TLS listener, 0 = any free one;
//                                                                unset: the server offers no TLS
//   vemo.harl.tls.plain               -ORBTlsPlain               also offer plain IIOP beside TLS (default false)
//   vemo.harl.tls.clientAuth          -ORBTlsClientAuth          need (default), want or none: whether a
//                                                                client must present a trusted certificate
//   vemo.harl.tls.keyStore            -ORBTlsKeyStore            this ORB's key and certificate (the server's,
//                                                                and the client's when it presents one)
//   vemo.harl.tls.keyStoreType        -ORBTlsKeyStoreType        default: the JDK's (PKCS12)
//   vemo.harl.tls.keyStorePassword    -ORBTlsKeyStorePassword
//   vemo.harl.tls.trustStore          -ORBTlsTrustStore          the certificates this ORB trusts
//   vemo.harl.tls.trustStoreType      -ORBTlsTrustStoreType
//   vemo.harl.tls.trustStorePassword  -ORBTlsTrustStorePassword
//   vemo.harl.tls.protocols           -ORBTlsProtocols           TLSv1.3,TLSv1.2 (the default) or either alone
//
// Key and trust stores left unset are taken from the JDK's javax.net.ssl.*
// properties of the same names (javax.net.ssl.keyStore, ...), given to
// ORB.init or set on the JVM.  Trust comes only from a configured trust
// store: without one, this ORB neither verifies servers (a reference that
// announces TLS is refused with NO_PERMISSION) nor accepts client
// certificates.  A server is trusted by its certificate chain; the host
// name in a reference is not compared with the certificate.
public final class Tls {
    public enum ClientAuth { NONE, WANT, NEED }

    // The TLS port asked for, or -1 for no TLS listener.
    public final int port;
    public final boolean plain;
    public final ClientAuth clientAuth;
    private final String[] protocols;
    final Store keys;
    final Store trust;
    private volatile SSLContext context;

    // A key or trust store as configured: path, type and password.
    static final class Store {
        final String path;
        final String type;
        final String password;

        Store(String path, String type, String password) {
            this.path = path;
            this.type = type == null || type.isEmpty() ? KeyStore.getDefaultType() : type;
            this.password = password;
        }

        KeyStore load() throws IOException, GeneralSecurityException {
            KeyStore ks = KeyStore.getInstance(type);
            try (InputStream in = Files.newInputStream(Paths.get(path))) {
                ks.load(in, password == null ? null : password.toCharArray());
            }
            return ks;
        }
    }

    private Tls(int port, boolean plain, ClientAuth clientAuth, String[] protocols, Store keys, Store trust) {
        this.port = port;
        this.plain = plain;
        this.clientAuth = clientAuth;
        this.protocols = protocols;
        this.keys = keys;
        this.trust = trust;
    }

    private static BAD_PARAM bad(String why) {
        return new BAD_PARAM(why, 0, CompletionStatus.COMPLETED_NO);
    }

    private static final String[] NAMES = {
        "port", "plain", "clientAuth", "keyStore", "keyStoreType", "keyStorePassword", "trustStore",
        "trustStoreType", "trustStorePassword", "protocols"};

    private static String canonical(String name) {
        for (String n : NAMES) {
            if (n.equalsIgnoreCase(name)) return n;
        }
        return null;
    }

    // The TLS settings among ORB.init's arguments and properties (arguments
    // win), the JDK's javax.net.ssl.* properties filling the stores.
    public static Tls of(String[] args, Properties props) {
        java.util.Map<String, String> v = new java.util.HashMap<>();
        if (props != null) {
            for (String key : props.stringPropertyNames()) {
                if (!key.startsWith("vemo.harl.tls.")) continue;
                String n = canonical(key.substring("vemo.harl.tls.".length()));
                if (n != null) v.put(n, props.getProperty(key));
                else System.getLogger("vemo.harl").log(System.Logger.Level.WARNING, "unknown setting " + key + " ignored");
            }
        }
        if (args != null) {
            for (int i = 0; i + 1 < args.length; i++) {
                String a = args[i];
                if (a == null || !a.regionMatches(true, 0, "-ORBTls", 0, 7)) continue;
                String n = canonical(a.substring(7));
                if (n != null) v.put(n, args[++i]);
            }
        }
        int port = -1;
        String p = v.get("port");
        if (p != null && !p.trim().isEmpty()) {
            try {
                port = Integer.parseInt(p.trim());
            } catch (NumberFormatException e) {
                throw bad("tls.port is not a number: " + p);
            }
            if (port < 0 || port > 65535) throw bad("tls.port out of range: " + p);
        }
        boolean plain = v.containsKey("plain") && flag("tls.plain", v.get("plain"));
        ClientAuth auth = ClientAuth.NEED;
        if (v.containsKey("clientAuth")) {
            String t = v.get("clientAuth").trim().toUpperCase(Locale.ROOT);
            try {
                auth = ClientAuth.valueOf(t);
            } catch (IllegalArgumentException e) {
                throw bad("tls.clientAuth must be need, want or none: " + v.get("clientAuth"));
            }
        }
        String[] protocols = protocols(v.getOrDefault("protocols", "TLSv1.3,TLSv1.2"));
        Store keys = store(v, props, "keyStore");
        Store trust = store(v, props, "trustStore");
        return new Tls(port, plain, auth, protocols, keys, trust);
    }

    private static boolean flag(String name, String value) {
        String t = value.trim().toLowerCase(Locale.ROOT);
        if (t.equals("true") || t.equals("1") || t.equals("yes")) return true;
        if (t.equals("false") || t.equals("0") || t.equals("no")) return false;
        throw bad(name + " is not true or false: " + value);
    }

    private static String[] protocols(String list) {
        LinkedHashSet<String> out = new LinkedHashSet<>();
        for (String s : list.split(",")) {
            String t = s.trim();
            if (t.isEmpty()) continue;
            if (!t.equals("TLSv1.3") && !t.equals("TLSv1.2"))
                throw bad("tls.protocols takes TLSv1.3 and TLSv1.2 only, not " + t);
            out.add(t);
        }
        if (out.isEmpty()) throw bad("tls.protocols names no protocol");
        return out.toArray(new String[0]);
    }

    // A store from the ORB's settings, else from javax.net.ssl.* given to
    // ORB.init, else from the JVM's system properties; null when none names
    // a path.
    private static Store store(java.util.Map<String, String> v, Properties props, String what) {
        String path = v.get(what), type = v.get(what + "Type"), password = v.get(what + "Password");
        if (path == null || path.trim().isEmpty()) {
            path = jdk(props, what);
            if (type == null) type = jdk(props, what + "Type");
            if (password == null) password = jdk(props, what + "Password");
        }
        if (path == null || path.trim().isEmpty()) return null;
        return new Store(path.trim(), type == null ? null : type.trim(), password);
    }

    private static String jdk(Properties props, String name) {
        String key = "javax.net.ssl." + name;
        String value = props == null ? null : props.getProperty(key);
        return value != null ? value : System.getProperty(key);
    }

    // Whether the server listens for TLS.
    public boolean listens() {
        return port >= 0;
    }

    // Whether the server listens for plain IIOP.
    public boolean plainOffered() {
        return port < 0 || plain;
    }

    // Whether this ORB can verify a peer's certificate.
    public boolean hasTrust() {
        return trust != null;
    }

    // The SSLContext, built on first use: the key store's key managers (none
    // without a key store) and the trust store's trust managers (without a
    // trust store, an empty one: nothing is trusted).
    SSLContext context() throws IOException, GeneralSecurityException {
        SSLContext c = context;
        if (c != null) return c;
        synchronized (this) {
            if (context != null) return context;
            KeyManager[] km = null;
            if (keys != null) {
                KeyManagerFactory kmf = KeyManagerFactory.getInstance(KeyManagerFactory.getDefaultAlgorithm());
                kmf.init(keys.load(), keys.password == null ? new char[0] : keys.password.toCharArray());
                km = kmf.getKeyManagers();
            }
            KeyStore trusted;
            if (trust != null) {
                trusted = trust.load();
            } else {
                trusted = KeyStore.getInstance(KeyStore.getDefaultType());
                trusted.load(null, null);
            }
            TrustManagerFactory tmf = TrustManagerFactory.getInstance(TrustManagerFactory.getDefaultAlgorithm());
            tmf.init(trusted);
            TrustManager[] tm = tmf.getTrustManagers();
            c = SSLContext.getInstance("TLS");
            c.init(km, tm, null);
            context = c;
            return c;
        }
    }

    // Checks that this ORB can serve TLS and builds its SSLContext, so that
    // a server that cannot says so when it starts: INITIALIZE.
    public void readyToServe() {
        if (keys == null)
            throw new INITIALIZE("a TLS listener needs a key store (vemo.harl.tls.keyStore or javax.net.ssl.keyStore)",
                                 0, CompletionStatus.COMPLETED_NO);
        if (clientAuth != ClientAuth.NONE && trust == null)
            throw new INITIALIZE("tls.clientAuth " + clientAuth.name().toLowerCase(Locale.ROOT)
                                 + " needs a trust store (vemo.harl.tls.trustStore or javax.net.ssl.trustStore)",
                                 0, CompletionStatus.COMPLETED_NO);
        try {
            context();
        } catch (IOException | GeneralSecurityException e) {
            throw new INITIALIZE("cannot set up TLS: " + e, 0, CompletionStatus.COMPLETED_NO);
        }
    }

    // The server's TLS layer over a connection its TLS listener accepted;
    // the handshake happens on the first read, on the thread that reads.
    public SSLSocket serverSide(Socket tcp) throws IOException {
        SSLSocket s;
        try {
            s = (SSLSocket) context().getSocketFactory().createSocket(tcp, null, true);
        } catch (GeneralSecurityException e) {
            throw new IOException("cannot set up TLS: " + e.getMessage(), e);
        }
        s.setUseClientMode(false);
        s.setEnabledProtocols(protocols);
        if (clientAuth == ClientAuth.NEED) s.setNeedClientAuth(true);
        else if (clientAuth == ClientAuth.WANT) s.setWantClientAuth(true);
        return s;
    }

    // The client's TLS layer over a connection to host:port, its handshake
    // done within timeoutMs: the server's certificate verified against the
    // trust store, this ORB's own presented when it has a key store.  A
    // failed handshake raises an SSLException.
    public SSLSocket clientSide(Socket tcp, String host, int port, int timeoutMs) throws IOException {
        SSLSocket s;
        try {
            s = (SSLSocket) context().getSocketFactory().createSocket(tcp, host, port, true);
        } catch (GeneralSecurityException e) {
            throw new IOException("cannot set up TLS: " + e.getMessage(), e);
        }
        s.setUseClientMode(true);
        s.setEnabledProtocols(protocols);
        tcp.setSoTimeout(timeoutMs);
        s.startHandshake();
        tcp.setSoTimeout(0);
        return s;
    }

    // The TAG_SSL_SEC_TRANS component of this ORB's references, for its TLS
    // listener at tlsPort.
    public IOR.TaggedComponent component(int tlsPort) {
        int protection = SslTrans.INTEGRITY | SslTrans.CONFIDENTIALITY | SslTrans.DETECT_REPLAY
            | SslTrans.DETECT_MISORDERING;
        int supports = protection | SslTrans.ESTABLISH_TRUST_IN_TARGET;
        int requires = protection;
        if (clientAuth != ClientAuth.NONE) supports |= SslTrans.ESTABLISH_TRUST_IN_CLIENT;
        if (clientAuth == ClientAuth.NEED) requires |= SslTrans.ESTABLISH_TRUST_IN_CLIENT;
        if (plain) {
            supports |= SslTrans.NO_PROTECTION;
            requires = 0;
        }
        return new SslTrans(supports, requires, tlsPort).component();
    }

    // Where a client reaches the object of a profile: the TLS port when the
    // profile announces one and this ORB has trust configured; the plain
    // port when the profile announces none, or does not require TLS and
    // this ORB cannot verify the server; else NO_PERMISSION.
    public static final class Route {
        public final int port;
        public final boolean secure;

        Route(int port, boolean secure) {
            this.port = port;
            this.secure = secure;
        }
    }

    public Route route(IOR.IIOPProfile p) {
        SslTrans ssl;
        try {
            ssl = SslTrans.of(p);
        } catch (MARSHAL e) {
            throw new INV_OBJREF("malformed TLS component in the reference: " + e.getMessage(), 0,
                                 CompletionStatus.COMPLETED_NO);
        }
        if (ssl == null) return new Route(p.port, false);
        if (hasTrust() && ssl.port != 0) return new Route(ssl.port, true);
        if (!ssl.requiresProtection() && p.port != 0) return new Route(p.port, false);
        throw new NO_PERMISSION(hasTrust() ? "the reference announces TLS on port 0"
                                           : "the object takes only TLS and this ORB has no trust store "
                                             + "(vemo.harl.tls.trustStore or javax.net.ssl.trustStore)",
                                0, CompletionStatus.COMPLETED_NO);
    }

    // The subject of the verified certificate the peer of a TLS socket
    // presented (RFC 2253), or null: no TLS, or no certificate.
    public static String subjectOf(Socket s) {
        if (!(s instanceof SSLSocket)) return null;
        try {
            Principal p = ((SSLSocket) s).getSession().getPeerPrincipal();
            return p instanceof javax.security.auth.x500.X500Principal
                ? ((javax.security.auth.x500.X500Principal) p).getName() : p.getName();
        } catch (SSLPeerUnverifiedException e) {
            return null;
        }
    }
}

package vemo.harl.orb;

import java.security.SecureRandom;
import java.util.IdentityHashMap;
import java.util.Map;
import java.util.Properties;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.concurrent.atomic.AtomicLong;

import org.omg.CORBA.BAD_INV_ORDER;
import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.portable.Delegate;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.Skeleton;

import vemo.harl.cdr.SystemExceptions;
import vemo.harl.ior.IOR;

// The ORB that ORB.init(args, props) returns: object references over IIOP,
// the object adapter and its threads.  Settings: see Settings.
//
// A servant is connected with connect(servant), which gives it a transient
// object key (valid as long as this ORB runs), or connect(servant, name),
// which uses the name itself as the key, so that a server restarted on the
// same host and port hands out references that stay valid and that
// corbaloc:iiop:host:port/name reaches.
public class FullORB extends FactoryORB {
    final Settings settings;
    // IIOP over TLS: the listener, connections and references' component.
    final vemo.harl.tls.Tls tls;
    private volatile Server server;
    private final Object serverLock = new Object();
    private final ConcurrentHashMap<String, ClientConnection> connections = new ConcurrentHashMap<>();
    private final ConcurrentHashMap<String, Object> connectLocks = new ConcurrentHashMap<>();
    private final Map<ObjectImpl, byte[]> keys = new IdentityHashMap<>();
    private final byte[] instance = new byte[8];
    private final AtomicLong nextKey = new AtomicLong();
    private final AtomicInteger localIds = new AtomicInteger();
    private volatile boolean shutdown;
    private volatile boolean destroyed;
    private final Object runLock = new Object();
    // How references travel on this ORB's streams: as IORs bound to it.
    private final IorReferences references = new IorReferences(this);

    public FullORB(String[] args, Properties props) {
        settings = Settings.of(args, props);
        tls = vemo.harl.tls.Tls.of(args, props);
        new SecureRandom().nextBytes(instance);
        // A server whose port is set listens from here on: a port in use
        // is an error of ORB.init, not of a later connect.
        if (settings.port != 0) server();
    }

    private static volatile FullORB defaultORB;

    // The ORB that binds references read from streams that belong to no
    // full ORB, made on first use with default settings.
    public static FullORB defaultORB() {
        FullORB d = defaultORB;
        if (d == null) {
            synchronized (FullORB.class) {
                d = defaultORB;
                if (d == null) defaultORB = d = new FullORB(new String[0], new Properties());
            }
        }
        return d;
    }

    public vemo.harl.cdr.References references() {
        return references;
    }

    public Settings settings() {
        return settings;
    }

    boolean isDestroyed() {
        return destroyed;
    }

    int localRequestId() {
        return localIds.incrementAndGet();
    }

    // The object adapter, listening from the first call on.
    Server server() {
        Server s = server;
        if (s == null) {
            synchronized (serverLock) {
                s = server;
                if (s == null) {
                    if (shutdown) throw new BAD_INV_ORDER("the ORB was shut down", SystemExceptions.BAD_INV_ORDER_SHUTDOWN, CompletionStatus.COMPLETED_NO);
                    server = s = new Server(this);
                }
            }
        }
        return s;
    }

    // The host and port this ORB's references name; starts the listener.
    public String host() {
        return server().host;
    }

    public int port() {
        return server().port;
    }

    // The port of the TLS listener (vemo.harl.tls.port), 0 without one;
    // starts the listener.
    public int tlsPort() {
        return server().tlsPort;
    }

    // For monitoring: the octets of requests this ORB's server has read
    // and not yet answered, now and at most so far (within maxPending),
    // and the connections it has open.
    public long pendingOctets() {
        Server s = server;
        return s == null ? 0 : s.budget.used();
    }

    public long peakPendingOctets() {
        Server s = server;
        return s == null ? 0 : s.budget.peak();
    }

    public int serverConnections() {
        Server s = server;
        return s == null ? 0 : s.connections();
    }

    boolean isLocal(IOR.IIOPProfile p) {
        Server s = server;
        return s != null && s.names(p);
    }

    // The shared connection to the endpoint of a profile: over TLS when
    // the profile announces it and this ORB can verify the server.
    ClientConnection connection(IOR.IIOPProfile p) {
        vemo.harl.tls.Tls.Route r = tls.route(p);
        return connection(p.host, r.port, r.secure);
    }

    private static String endpoint(String host, int port, boolean secure) {
        return host.toLowerCase(java.util.Locale.ROOT) + ":" + port + (secure ? "/tls" : "");
    }

    ClientConnection connection(String host, int port, boolean secure) {
        if (destroyed) throw new BAD_INV_ORDER("the ORB was destroyed", SystemExceptions.BAD_INV_ORDER_SHUTDOWN, CompletionStatus.COMPLETED_NO);
        String k = endpoint(host, port, secure);
        ClientConnection c = connections.get(k);
        if (c != null && !c.isClosed()) return c;
        Object lock = connectLocks.computeIfAbsent(k, x -> new Object());
        synchronized (lock) {
            c = connections.get(k);
            if (c != null && !c.isClosed()) return c;
            c = new ClientConnection(this, host, port, secure);
            connections.put(k, c);
            return c;
        }
    }

    void forget(ClientConnection c) {
        connections.remove(endpoint(c.host, c.port, c.secure), c);
    }

    // A reference bound to this ORB.
    public org.omg.CORBA.Object reference(IOR ior) {
        return new ObjectRef(new RemoteDelegate(this, ior));
    }

    private static String typeOf(ObjectImpl servant) {
        String[] ids = servant._get_ids();
        return ids != null && ids.length > 0 ? ids[0] : "";
    }

    // The IOR of a reference, connecting a servant that is not yet.
    public IOR iorOf(org.omg.CORBA.Object obj) {
        if (obj instanceof ObjectImpl) {
            ObjectImpl impl = (ObjectImpl) obj;
            Delegate d = impl._get_delegate();
            if (d instanceof RemoteDelegate) return ((RemoteDelegate) d).ior();
            if (d == null && obj instanceof Skeleton) {
                connect(obj);
                return ((RemoteDelegate) impl._get_delegate()).ior();
            }
        }
        throw new org.omg.CORBA.MARSHAL("a reference that is neither a servant nor bound to an IIOP ORB: "
                                        + obj.getClass().getName(), 0, CompletionStatus.COMPLETED_NO);
    }

    private void bind(ObjectImpl servant, byte[] key) {
        if (!(servant instanceof Skeleton))
            throw new BAD_PARAM("not a servant: " + servant.getClass().getName(), 0, CompletionStatus.COMPLETED_NO);
        Server s = server();
        synchronized (keys) {
            byte[] old = keys.get(servant);
            if (old != null) {
                if (java.util.Arrays.equals(old, key)) return;
                s.remove(old);
            }
            keys.put(servant, key);
        }
        s.add(key, servant);
        IOR ior = IOR.make(typeOf(servant), s.host, s.port, key, settings.giopMinor, settings.nativeCharCodeSet,
                           s.components());
        servant._set_delegate(new RemoteDelegate(this, ior));
    }

    // Connects a servant under a transient key.
    public void connect(org.omg.CORBA.Object obj) {
        if (!(obj instanceof ObjectImpl))
            throw new BAD_PARAM("not a servant", 0, CompletionStatus.COMPLETED_NO);
        ObjectImpl servant = (ObjectImpl) obj;
        synchronized (keys) {
            if (keys.containsKey(servant)) return;
        }
        byte[] key = new byte[3 + 8 + 8];
        key[0] = 0;
        key[1] = 'Q';
        key[2] = 'T';
        System.arraycopy(instance, 0, key, 3, 8);
        long n = nextKey.incrementAndGet();
        for (int i = 0; i < 8; i++) key[11 + i] = (byte) (n >>> (56 - 8 * i));
        bind(servant, key);
    }

    // Connects a servant under a persistent key: the name's UTF-8 octets.
    public void connect(org.omg.CORBA.Object obj, String name) {
        if (!(obj instanceof ObjectImpl) || name == null || name.isEmpty())
            throw new BAD_PARAM("connect wants a servant and a name", 0, CompletionStatus.COMPLETED_NO);
        bind((ObjectImpl) obj, name.getBytes(java.nio.charset.StandardCharsets.UTF_8));
    }

    public void disconnect(org.omg.CORBA.Object obj) {
        if (!(obj instanceof ObjectImpl)) return;
        ObjectImpl servant = (ObjectImpl) obj;
        byte[] key;
        synchronized (keys) {
            key = keys.remove(servant);
        }
        if (key == null) return;
        Server s = server;
        if (s != null) s.remove(key);
        servant._set_delegate(null);
    }

    public String object_to_string(org.omg.CORBA.Object obj) {
        if (obj == null) return IOR.NIL.toString();
        return iorOf(obj).toString();
    }

    // A corbaloc URL for a connected servant (its key %-escaped).
    public String object_to_corbaloc(org.omg.CORBA.Object obj) {
        IOR ior = iorOf(obj);
        IOR.IIOPProfile p = ior.iiop();
        if (p.port == 0)
            throw new BAD_PARAM("the object takes only TLS: no corbaloc:iiop URL reaches it", 0,
                                CompletionStatus.COMPLETED_NO);
        String h = p.host.indexOf(':') >= 0 ? "[" + p.host + "]" : p.host;
        return "corbaloc:iiop:1." + p.minor + "@" + h + ":" + p.port + "/" + IOR.escape(p.key());
    }

    public org.omg.CORBA.Object string_to_object(String s) {
        if (s == null) throw new BAD_PARAM("no string", 0, CompletionStatus.COMPLETED_NO);
        String t = s.trim();
        IOR ior;
        if (t.regionMatches(true, 0, "IOR:", 0, 4)) {
            ior = IOR.parse(t);
        } else if (t.regionMatches(true, 0, "corbaloc:rir:", 0, 13)) {
            String name = t.substring(13);
            if (name.startsWith("/")) name = name.substring(1);
            try {
                return resolve_initial_references(name.isEmpty() ? "NameService" : name);
            } catch (org.omg.CORBA.ORBPackage.InvalidName e) {
                throw new BAD_PARAM("no initial reference " + name, 0, CompletionStatus.COMPLETED_NO);
            }
        } else if (t.regionMatches(true, 0, "corbaname:", 0, 10)) {
            return CorbaName.resolve(this, t);
        } else if (t.regionMatches(true, 0, "corbaloc:", 0, 9)) {
            ior = IOR.parseCorbaloc(t);
        } else {
            throw new BAD_PARAM("not a reference: " + (t.length() > 40 ? t.substring(0, 40) + "..." : t), 0,
                                CompletionStatus.COMPLETED_NO);
        }
        return ior.isNil() ? null : reference(ior);
    }

    public org.omg.CORBA.Object resolve_initial_references(String name) throws org.omg.CORBA.ORBPackage.InvalidName {
        String url = settings.initRefs.get(name);
        if (url == null)
            throw new org.omg.CORBA.ORBPackage.InvalidName(
                name + ": no initial reference of this name (give one with -ORBInitRef " + name
                + "=corbaloc:iiop:host:port/" + name + " or the property vemo.harl.InitRef." + name + ")");
        return string_to_object(url);
    }

    public String[] list_initial_services() {
        return settings.initRefs.keySet().toArray(new String[0]);
    }

    public void run() {
        synchronized (runLock) {
            while (!shutdown) {
                try {
                    runLock.wait();
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                    return;
                }
            }
        }
    }

    public boolean work_pending() {
        return false;
    }

    public void perform_work() {
    }

    public void shutdown(boolean wait_for_completion) {
        Server s;
        synchronized (serverLock) {
            s = server;
            if (s == null) shutdown = true;
        }
        if (s != null) s.shutdown(wait_for_completion);
        shutdown = true;
        synchronized (runLock) {
            runLock.notifyAll();
        }
    }

    public void destroy() {
        shutdown(true);
        destroyed = true;
        for (ClientConnection c : connections.values()) c.close();
        connections.clear();
    }

    public org.omg.CORBA.portable.OutputStream create_output_stream() {
        return vemo.harl.giop.Cdr.output(this, settings.giopMinor, settings.littleEndian);
    }
}

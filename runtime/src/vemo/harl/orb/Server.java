package vemo.harl.orb;

import java.io.BufferedInputStream;
import java.io.IOException;

import java.net.InetAddress;
import java.net.InetSocketAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.net.SocketException;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.RejectedExecutionException;
import java.util.concurrent.ThreadPoolExecutor;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.BAD_OPERATION;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.OBJECT_NOT_EXIST;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Skeleton;
import org.omg.CORBA.portable.Streamable;

import vemo.harl.cdr.SystemExceptions;
import vemo.harl.giop.Arguments;
import vemo.harl.giop.Cdr;
import vemo.harl.giop.Codec;
import vemo.harl.giop.Giop;
import vemo.harl.giop.Message;
import vemo.harl.giop.ProtocolError;
import vemo.harl.ior.IOR;

// The object adapter of a full ORB: it listens on the ORB's host and port,
// keeps the servants connected to the ORB by object key, and answers each
// Request on a thread pool through the servant's skeleton: the operation
// found by name in the dispatch table, the arguments unmarshalled into
// fresh arrays as the descriptor says, _execute called, the reply
// marshalled back.  Nothing a peer sends ends a server thread: malformed
// requests are answered with MARSHAL, broken framing with MessageError and
// a closed connection.
//
// Nothing a peer sends is held without bound: the octets of requests read
// and not yet answered, all connections together, stay within maxPending
// (a reader waits for room before it reads a body, which stops the peer);
// threads and connections have their caps; a connection idle for
// idleTimeout, or whose writes make no progress, is closed (Sweeper).
//
// A call counts as active from the moment its request is taken until its
// reply is written (or, collocated, handed back), so that shutdown, which
// waits for the active calls before it sends CloseConnection, never cuts
// a reply off.
final class Server {
    private final FullORB orb;
    // The plain IIOP listener and the TLS listener, whose connections get
    // a TLS layer (vemo.harl.tls.Tls): either may be absent, not both.
    private final ServerSocket listener;
    private final ServerSocket tlsListener;
    final String host;
    // The port of the plain listener as references publish it: 0 when the
    // server takes only TLS.
    final int port;
    // The TLS listener's port, 0 without one.
    final int tlsPort;
    // Threads that read connections and answer requests: the thread that
    // reads a request hands the reading of its connection to another and
    // answers the request itself, so no handoff lies between a request's
    // arrival and its reply.  At most `threads` requests run at once.
    private final ThreadPoolExecutor pool;
    private final java.util.concurrent.Semaphore running;
    private final Thread acceptor;
    private final Thread tlsAcceptor;
    private final Set<Conn> conns = ConcurrentHashMap.newKeySet();
    private volatile boolean stopping;
    // Calls taken and not yet answered; `quiet` is told when none is left.
    private final AtomicInteger active = new AtomicInteger();
    private final Object quiet = new Object();
    // How many dispatches of this server the current thread is inside:
    // shutdown(true) there would wait for itself.
    private final ThreadLocal<int[]> inCall = ThreadLocal.withInitial(() -> new int[1]);
    final Budget budget;
    private final long stallNanos;
    private final long idleNanos;

    private static final class Key {
        final byte[] b;
        final int h;

        Key(byte[] b) {
            this.b = b;
            this.h = java.util.Arrays.hashCode(b);
        }

        public boolean equals(Object o) {
            return o instanceof Key && java.util.Arrays.equals(b, ((Key) o).b);
        }

        public int hashCode() {
            return h;
        }
    }

    private final ConcurrentHashMap<Key, ObjectImpl> servants = new ConcurrentHashMap<>();

    // The octets of requests read and not yet answered, all connections
    // together.  A message larger than the whole budget is charged the
    // whole budget, so that it can still be read when nothing else is.
    static final class Budget {
        final long limit;
        private long used;

        Budget(long limit) {
            this.limit = limit;
        }

        synchronized long take(long n, Conn c) throws IOException {
            long want = Math.min(n, limit);
            while (used > 0 && used + want > limit) {
                if (c.closed) throw new SocketException("connection closed while waiting to read");
                try {
                    wait();
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                    throw new java.io.InterruptedIOException("interrupted while waiting to read");
                }
            }
            used += want;
            if (used > peak) peak = used;
            return want;
        }

        synchronized void give(long n) {
            if (n <= 0) return;
            used -= n;
            notifyAll();
        }

        synchronized void wake() {
            notifyAll();
        }

        private long peak;

        synchronized long used() {
            return used;
        }

        synchronized long peak() {
            return peak;
        }
    }

    Server(FullORB orb) {
        this.orb = orb;
        Settings s = orb.settings;
        vemo.harl.tls.Tls tls = orb.tls;
        if (tls.listens() && s.giopMinor == 0)
            throw new org.omg.CORBA.INITIALIZE("a TLS listener is announced in GIOP 1.1 and 1.2 references only: "
                                               + "giopMinor 0 cannot carry it", 0, CompletionStatus.COMPLETED_NO);
        InetAddress bind = null;
        if (s.host != null) {
            try {
                bind = InetAddress.getByName(s.host);
                if (!bind.isAnyLocalAddress() && java.net.NetworkInterface.getByInetAddress(bind) == null) bind = null;
            } catch (IOException e) {
                bind = null;
            }
        }
        if (tls.listens()) tls.readyToServe();
        ServerSocket secure = tls.listens() ? listen(bind, tls.port, null) : null;
        this.listener = tls.plainOffered() ? listen(bind, s.port, secure) : null;
        this.tlsListener = secure;
        this.port = listener == null ? 0 : listener.getLocalPort();
        this.tlsPort = secure == null ? 0 : secure.getLocalPort();
        this.host = s.host != null ? s.host : guessHost();
        this.budget = new Budget(s.maxPending);
        this.stallNanos = Sweeper.stallLimitNanos(s);
        this.idleNanos = s.idleTimeout * 1000000L;
        AtomicInteger count = new AtomicInteger();
        this.pool = new ThreadPoolExecutor(0, s.maxThreads, 30, TimeUnit.SECONDS,
                                           new java.util.concurrent.SynchronousQueue<>(),
                                           r -> {
                                               Thread t = new Thread(r, "vemo.harl dispatch " + port + "/" + count.incrementAndGet());
                                               t.setDaemon(true);
                                               return t;
                                           });
        this.running = new java.util.concurrent.Semaphore(s.threads);
        acceptor = listener == null ? null : new Thread(() -> acceptLoop(listener, false), "vemo.harl listener :" + port);
        tlsAcceptor = secure == null ? null
            : new Thread(() -> acceptLoop(secure, true), "vemo.harl TLS listener :" + tlsPort);
        for (Thread t : new Thread[] {acceptor, tlsAcceptor}) {
            if (t == null) continue;
            t.setDaemon(true);
            t.start();
        }
    }

    // A listener on bind and port; closes the other listener, already
    // open, when it cannot listen.
    private static ServerSocket listen(InetAddress bind, int port, ServerSocket other) {
        ServerSocket ss = null;
        try {
            ss = new ServerSocket();
            ss.setReuseAddress(true);
            ss.bind(new InetSocketAddress(bind, port), 128);
            return ss;
        } catch (IOException e) {
            try {
                if (other != null) other.close();
            } catch (IOException ignored) {
                // nothing to release
            }
            try {
                if (ss != null) ss.close();
            } catch (IOException ignored) {
                // nothing to release
            }
            throw new org.omg.CORBA.INITIALIZE("cannot listen on port " + port + ": " + e.getMessage(), 0,
                                               CompletionStatus.COMPLETED_NO);
        }
    }

    // The components this server's references carry besides the ORB type
    // and code sets: the TLS listener's, when there is one.
    java.util.List<IOR.TaggedComponent> components() {
        if (tlsListener == null) return java.util.Collections.emptyList();
        return java.util.Collections.singletonList(orb.tls.component(tlsPort));
    }

    // Whether a profile names this server: its plain port, or for a server
    // that takes only TLS, port 0 and its TLS port.
    boolean names(IOR.IIOPProfile p) {
        if (!p.host.equalsIgnoreCase(host)) return false;
        if (listener != null) return p.port == port;
        if (p.port != 0) return false;
        try {
            vemo.harl.ior.SslTrans ssl = vemo.harl.ior.SslTrans.of(p);
            return ssl != null && ssl.port == tlsPort;
        } catch (MARSHAL e) {
            return false;
        }
    }

    // The address published when none is configured: the first address
    // of an interface that is up and not the loopback, else the loopback.
    private static String guessHost() {
        try {
            for (java.net.NetworkInterface ni : java.util.Collections.list(java.net.NetworkInterface.getNetworkInterfaces())) {
                if (!ni.isUp() || ni.isLoopback()) continue;
                for (InetAddress a : java.util.Collections.list(ni.getInetAddresses())) {
                    if (a instanceof java.net.Inet4Address) return a.getHostAddress();
                }
            }
        } catch (IOException e) {
            // fall back to the loopback
        }
        return "127.0.0.1";
    }

    void add(byte[] key, ObjectImpl servant) {
        servants.put(new Key(key), servant);
    }

    void remove(byte[] key) {
        servants.remove(new Key(key));
    }

    boolean has(byte[] key) {
        return servants.containsKey(new Key(key));
    }

    // The number of connections open, for tests and monitoring.
    int connections() {
        return conns.size();
    }

    private void begin() {
        active.incrementAndGet();
    }

    private void end() {
        if (active.decrementAndGet() == 0) {
            synchronized (quiet) {
                quiet.notifyAll();
            }
        }
    }

    private void acceptLoop(ServerSocket listener, boolean secure) {
        while (!stopping) {
            Socket s;
            try {
                s = listener.accept();
            } catch (IOException e) {
                if (stopping || listener.isClosed()) return;
                continue;
            }
            try {
                s.setTcpNoDelay(true);
                if (!room()) {
                    // a TLS client cannot read a CloseConnection sent in clear text
                    if (secure) s.close();
                    else refuse(s);
                    continue;
                }
                OrbLog.connection("accepted a connection from ", s.getRemoteSocketAddress());
                Conn c = new Conn(secure ? orb.tls.serverSide(s) : s, s);
                conns.add(c);
                try {
                    pool.execute(c::readLoop);
                } catch (RejectedExecutionException e) {
                    conns.remove(c);
                    refuse(s);
                    continue;
                }
                Sweeper.add(c);
            } catch (Throwable e) {
                try {
                    s.close();
                } catch (IOException ignored) {
                    // given up
                }
            }
        }
    }

    // Whether a new connection may be taken: under maxConnections (those
    // already closing not counted), or at it once the connection idle the
    // longest has been told CloseConnection.
    private boolean room() {
        int open = 0;
        Conn idlest = null;
        for (Conn c : conns) {
            if (c.closing || c.closed) continue;
            open++;
            if (c.idle() && (idlest == null || c.lastUse < idlest.lastUse)) idlest = c;
        }
        if (open < orb.settings.maxConnections) return true;
        return idlest != null && idlest.closeGracefully(false);
    }

    // A connection beyond the caps: told CloseConnection (a client
    // reissues its request elsewhere or later) and closed, with what it
    // sent already read away so that the close is not a reset.
    private static void refuse(Socket s) {
        try {
            s.setSoTimeout(1000);
            s.getOutputStream().write(Giop.bare(Giop.CLOSE_CONNECTION, 0));
            s.shutdownOutput();
            java.io.InputStream in = s.getInputStream();
            int n = in.available();
            if (n > 0) in.skip(n);
        } catch (IOException ignored) {
            // closed below either way
        } finally {
            try {
                s.close();
            } catch (IOException ignored) {
                // closed
            }
        }
    }

    // One accepted connection.
    private final class Conn implements Sweeper.Swept {
        // The socket read and written (the TLS layer of a TLS connection),
        // and the TCP connection, closed to end it: that ends a write stuck
        // in the TLS layer too, which closing the layer would wait for.
        final Socket socket;
        final Socket tcp;
        final java.io.OutputStream out;
        final Object writeLock = new Object();
        final Sweeper.Progress progress = new Sweeper.Progress();
        volatile int charSet = IOR.ISO_8859_1;
        volatile int wcharSet = IOR.UTF_16;
        volatile boolean closed;
        // CloseConnection sent: requests that still arrive are dropped
        // unanswered (the client reissues them), and the connection is
        // closed once the client lets go.
        volatile boolean closing;
        volatile long closingSince;
        // Calls of this connection taken and not yet answered; guarded by
        // this.
        int calls;
        // The client shut its output down (guarded by this).
        boolean inputEnded;
        volatile long lastUse = System.nanoTime();
        // Requests of this connection read but not yet answered: at the
        // limit the reader stops reading until one is done, so a client
        // cannot pile up requests without bound.
        final java.util.concurrent.Semaphore inFlight = new java.util.concurrent.Semaphore(256);

        final Giop.Reader reader;
        // Who is at the other end, known once a TLS handshake is done (the
        // first message read).
        private volatile vemo.harl.tls.Caller.Call caller;

        Conn(Socket s, Socket tcp) throws IOException {
            socket = s;
            this.tcp = tcp;
            out = s.getOutputStream();
            reader = new Giop.Reader(new BufferedInputStream(s.getInputStream(), 65536), orb.settings.maxMessage,
                                     65536, n -> budget.take(n, this));
        }

        void send(byte[] m) {
            send(m, m.length);
        }

        void send(byte[] m, int length) {
            if (closed) return;
            try {
                synchronized (writeLock) {
                    progress.write(out, m, 0, length);
                }
                lastUse = System.nanoTime();
            } catch (IOException e) {
                close();
            }
        }

        vemo.harl.tls.Caller.Call caller() {
            vemo.harl.tls.Caller.Call c = caller;
            if (c == null) {
                boolean secure = socket instanceof javax.net.ssl.SSLSocket;
                caller = c = new vemo.harl.tls.Caller.Call(secure, vemo.harl.tls.Tls.subjectOf(socket));
            }
            return c;
        }

        // Takes a call: false when the connection is closing.
        synchronized boolean take() {
            if (closing || closed) return false;
            calls++;
            return true;
        }

        synchronized boolean idle() {
            return calls == 0 && !progress.writing();
        }

        void done() {
            boolean last;
            synchronized (this) {
                calls--;
                lastUse = System.nanoTime();
                last = calls == 0 && inputEnded;
            }
            if (last) close();
        }

        // The client has closed its side: the connection closes once the
        // calls in progress have written their replies.
        boolean endOfInput() {
            synchronized (this) {
                inputEnded = true;
                if (calls > 0) return false;
            }
            close();
            return true;
        }

        // Sends CloseConnection and shuts the output down, unless a call
        // is in progress (and not force); the reader goes on reading, and
        // dropping, until the client closes.  True when it did.
        boolean closeGracefully(boolean force) {
            synchronized (this) {
                if (closing || closed) return false;
                if (calls > 0 && !force) return false;
                closing = true;
                closingSince = System.nanoTime();
            }
            send(Giop.bare(Giop.CLOSE_CONNECTION, 0));
            try {
                socket.shutdownOutput();
            } catch (IOException e) {
                close();
            }
            return true;
        }

        void close() {
            closed = true;
            conns.remove(this);
            Sweeper.remove(this);
            budget.wake();
            try {
                tcp.close();
            } catch (IOException ignored) {
                // already closed
            }
        }

        public boolean sweep(long now) {
            if (closed) return false;
            if (progress.stalled(now, stallNanos)) {
                close(); // the write in progress ends with an IOException
                return false;
            }
            if (closing) {
                if (now - closingSince > stallNanos) {
                    close();
                    return false;
                }
                return true;
            }
            if (idleNanos > 0 && !progress.writing() && now - lastUse > idleNanos) {
                synchronized (this) {
                    if (calls > 0) return true;
                }
                closeGracefully(false);
            }
            return true;
        }

        // Reads messages until the connection ends or this thread takes a
        // request to answer, having handed the reading on.
        void readLoop() {
            boolean handedOn = false;
            try {
                while (!closed) {
                    Message m;
                    try {
                        m = reader.next();
                    } catch (ProtocolError e) {
                        send(Giop.bare(Giop.MESSAGE_ERROR, 0));
                        close();
                        return;
                    }
                    if (m == null) {
                        budget.give(reader.takeHeld());
                        if (!endOfInput()) handedOn = true; // the last call closes
                        return;
                    }
                    lastUse = System.nanoTime();
                    if (m.type == Giop.REQUEST) {
                        if (request(m)) {
                            handedOn = true;
                            return;
                        }
                        continue;
                    }
                    try {
                        if (closing) {
                            if (m.type == Giop.CLOSE_CONNECTION || m.type == Giop.MESSAGE_ERROR) {
                                close();
                                return;
                            }
                            continue; // dropped: CloseConnection told the client so
                        }
                        switch (m.type) {
                            case Giop.LOCATE_REQUEST:
                                locate(m);
                                break;
                            case Giop.CANCEL_REQUEST:
                                break; // the reply, if any, is still sent and dropped by the client
                            case Giop.CLOSE_CONNECTION:
                            case Giop.MESSAGE_ERROR:
                                close();
                                return;
                            default:
                                send(Giop.bare(Giop.MESSAGE_ERROR, m.minor));
                                close();
                                return;
                        }
                    } finally {
                        budget.give(m.charged);
                    }
                }
            } catch (IOException e) {
                close();
            } catch (Throwable t) {
                send(Giop.bare(Giop.MESSAGE_ERROR, 0));
                close();
            } finally {
                // (a thread that handed the reading on leaves the reader,
                // and what it holds, to the next)
                if (!handedOn) {
                    if (!closed) close();
                    budget.give(reader.takeHeld());
                }
            }
        }

        // Answers a request: true when this thread handed the reading of
        // the connection to another and answered it.  The request's octets
        // go back to the budget once it is answered.
        private boolean request(Message m) {
            try {
                return answer(m);
            } finally {
                budget.give(m.charged);
            }
        }

        private boolean answer(Message m) {
            if (closing) return false; // dropped: the client reissues it
            Codec.RequestIn r = new Codec.RequestIn();
            try {
                Codec.readRequest(orb, m, r);
            } catch (SystemException e) {
                if (r.requestId == -1) {
                    send(Giop.bare(Giop.MESSAGE_ERROR, m.minor));
                    close();
                } else {
                    send(Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId,
                                                    "IDL:omg.org/CORBA/MARSHAL:1.0", 0,
                                                    CompletionStatus._COMPLETED_NO));
                }
                return false;
            }
            int[] sets;
            if (m.minor == 0) {
                // GIOP 1.0 negotiates nothing: its strings are ISO-8859-1
                sets = new int[] {IOR.ISO_8859_1, IOR.UTF_16};
            } else {
                int[] cs = Codec.codeSetsOf(r.contexts);
                if (cs != null) {
                    try {
                        Cdr.codeSets(r.body, cs[0], cs[1]);
                    } catch (org.omg.CORBA.CODESET_INCOMPATIBLE e) {
                        // a code set this ORB cannot convert: this request
                        // fails, the connection keeps its code sets
                        if (r.responseExpected)
                            send(Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId,
                                                            "IDL:omg.org/CORBA/CODESET_INCOMPATIBLE:1.0",
                                                            SystemExceptions.CODESET_UNSUPPORTED,
                                                            CompletionStatus._COMPLETED_NO));
                        return false;
                    }
                    charSet = cs[0];
                    wcharSet = cs[1];
                }
                sets = new int[] {charSet, wcharSet};
            }
            Cdr.codeSets(r.body, sets[0], sets[1]);
            // Counted before stopping is looked at: shutdown sets stopping
            // before it waits for the count, so a request either sees it or
            // is waited for.
            begin();
            try {
                if (stopping) {
                    if (r.responseExpected)
                        send(Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId,
                                                        "IDL:omg.org/CORBA/TRANSIENT:1.0",
                                                        SystemExceptions.TRANSIENT_DISCARDED,
                                                        CompletionStatus._COMPLETED_NO));
                    return false;
                }
                if (!take()) return false;
                try {
                    try {
                        inFlight.acquire();
                    } catch (InterruptedException e) {
                        Thread.currentThread().interrupt();
                        close();
                        return false;
                    }
                    // At the thread cap the reading thread answers the
                    // request itself and reads on afterwards: the
                    // connection is served one call at a time.
                    boolean handedOn;
                    try {
                        pool.execute(this::readLoop);
                        handedOn = true;
                    } catch (RejectedExecutionException e) {
                        handedOn = false;
                    }
                    try {
                        running.acquireUninterruptibly();
                        vemo.harl.tls.Caller.Call before = vemo.harl.tls.Caller.enter(caller());
                        try {
                            Message reply = dispatch(m, r, sets);
                            if (reply != null) send(reply.buf, reply.length);
                        } finally {
                            vemo.harl.tls.Caller.leave(before);
                            running.release();
                        }
                    } catch (Throwable t) {
                        // dispatch answers every failure itself; nothing escapes a thread
                    } finally {
                        inFlight.release();
                    }
                    return handedOn;
                } finally {
                    done();
                }
            } finally {
                end();
            }
        }

        private void locate(Message m) {
            Codec.LocateIn l;
            try {
                l = Codec.readLocateRequest(orb, m);
            } catch (SystemException e) {
                send(Giop.bare(Giop.MESSAGE_ERROR, m.minor));
                close();
                return;
            }
            int status = l.key != null && has(l.key) ? Giop.OBJECT_HERE : Giop.UNKNOWN_OBJECT;
            send(Codec.locateReply(orb, m.minor, m.little, l.requestId, status, null));
        }
    }

    // A collocated call: the request octets (the first `length` of
    // request) answered on the caller's thread, the reply read back as a
    // message.
    Message callLocal(byte[] request, int length, int[] sets) {
        boolean little = (request[6] & 1) != 0;
        Message m = new Message(request[5], little, Giop.REQUEST, request, length);
        Codec.RequestIn r = new Codec.RequestIn();
        Codec.readRequest(orb, m, r);
        Cdr.codeSets(r.body, sets[0], sets[1]);
        begin();
        vemo.harl.tls.Caller.Call before = vemo.harl.tls.Caller.enter(null);
        try {
            return dispatch(m, r, sets);
        } finally {
            vemo.harl.tls.Caller.leave(before);
            end();
        }
    }

    private static final Map<OperationDescriptor[], Map<String, Integer>> indexes = new ConcurrentHashMap<>();

    private static int find(OperationDescriptor[] table, String operation) {
        Map<String, Integer> index = indexes.get(table);
        if (index == null) {
            index = new HashMap<>();
            for (int k = 0; k < table.length; k++) {
                if (table[k] != null && table[k].name != null)
                    index.putIfAbsent(RemoteDelegate.wireName(table[k].name), k);
            }
            indexes.put(table, index);
        }
        Integer k = index.get(operation);
        return k == null ? -1 : k;
    }

    private Message systemReply(Message m, Codec.RequestIn r, SystemException e) {
        if (!r.responseExpected) return null;
        // What happened travels beside the exception (GIOP 1.2), for the client's message.
        String detail = e.getMessage();
        byte[] b = Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId, SystemExceptions.id(e), e.minor,
                                              e.completed.value(), m.minor >= 2 && detail != null && !detail.isEmpty()
                                              ? List.of(Codec.exceptionDetail(OrbLog.clip(detail))) : Codec.NONE);
        return new Message(m.minor, m.little, Giop.REPLY, b, b.length);
    }

    private OutputStream reply(Message m, Codec.RequestIn r, int status, int[] sets) {
        OutputStream out = Codec.reply(orb, m.minor, m.little, r.requestId, status, Codec.NONE);
        Cdr.codeSets(out, sets[0], sets[1]);
        return out;
    }

    // Answers one request; null when no reply is to be sent.
    Message dispatch(Message m, Codec.RequestIn r, int[] sets) {
        int[] depth = inCall.get();
        depth[0]++;
        try {
            ObjectImpl servant = r.key == null ? null : servants.get(new Key(r.key));
            if (servant == null)
                return systemReply(m, r, new OBJECT_NOT_EXIST("no object under this key", 0, CompletionStatus.COMPLETED_NO));
            String op = r.operation;
            OrbLog.request(r.requestId, op, servant);
            if (op.equals("_is_a")) {
                String id;
                try {
                    id = r.body.read_string();
                } catch (SystemException e) {
                    return systemReply(m, r, new MARSHAL("bad _is_a argument", 0, CompletionStatus.COMPLETED_NO));
                }
                boolean yes = servant._is_a(id);
                if (!r.responseExpected) return null;
                OutputStream out = reply(m, r, Giop.NO_EXCEPTION, sets);
                Codec.beginBody(out, m.minor);
                out.write_boolean(yes);
                return Codec.finishInPlace(out, m.little);
            }
            if (op.equals("_non_existent") || op.equals("_not_existent")) {
                if (!r.responseExpected) return null;
                OutputStream out = reply(m, r, Giop.NO_EXCEPTION, sets);
                Codec.beginBody(out, m.minor);
                out.write_boolean(false);
                return Codec.finishInPlace(out, m.little);
            }
            if (op.equals("_interface") || op.equals("_get_interface") || op.equals("_get_component"))
                return systemReply(m, r, new org.omg.CORBA.NO_IMPLEMENT(op, 0, CompletionStatus.COMPLETED_NO));
            if (!(servant instanceof Skeleton))
                return systemReply(m, r, new BAD_OPERATION(op, SystemExceptions.BAD_OPERATION_UNKNOWN, CompletionStatus.COMPLETED_NO));
            Skeleton skel = (Skeleton) servant;
            OperationDescriptor[][] tables = skel._get_dispatch_table();
            OperationDescriptor[] table = tables == null || tables.length == 0 ? null : tables[0];
            int k = table == null ? -1 : find(table, op);
            if (k < 0)
                return systemReply(m, r, new BAD_OPERATION("no operation " + op, SystemExceptions.BAD_OPERATION_UNKNOWN,
                                                           CompletionStatus.COMPLETED_NO));
            OperationDescriptor desc = table[k];

            long[] n;
            java.lang.Object[] o;
            try {
                Arguments.Layout layout = Arguments.layout(desc);
                n = Arguments.newLongs(layout);
                o = Arguments.newObjects(layout);
                Arguments.readRequest(r.body, desc, n, o);
                InParams.adapt(servant, desc, o);
            } catch (SystemException e) {
                e.completed = CompletionStatus.COMPLETED_NO;
                return systemReply(m, r, e instanceof MARSHAL ? e : new MARSHAL(e.getMessage(), 0, CompletionStatus.COMPLETED_NO));
            } catch (RuntimeException | OutOfMemoryError | StackOverflowError e) {
                // a generated reader trusting a hostile length or nesting
                return systemReply(m, r, new MARSHAL(String.valueOf(e), 0, CompletionStatus.COMPLETED_NO));
            }

            java.lang.Object raised;
            try {
                raised = skel._execute(0, k, n, o, new org.omg.CORBA.Context());
            } catch (SystemException e) {
                OrbLog.servantRaised(servant, op, e);
                return systemReply(m, r, e);
            } catch (Throwable e) {
                return systemReply(m, r, OrbLog.servantFailed(servant, op, e));
            }
            if (!r.responseExpected) return null;
            try {
                if (raised != null) {
                    if (!(raised instanceof Streamable))
                        return systemReply(m, r, new org.omg.CORBA.UNKNOWN("not an exception holder", 0,
                                                                           CompletionStatus.COMPLETED_YES));
                    OutputStream out = reply(m, r, Giop.USER_EXCEPTION, sets);
                    Codec.beginBody(out, m.minor);
                    ((Streamable) raised).__write(out);
                    return Codec.finishInPlace(out, m.little);
                }
                Arguments.Layout layout = Arguments.layout(desc);
                OutputStream out = reply(m, r, Giop.NO_EXCEPTION, sets);
                if (layout.hasOut) Codec.beginBody(out, m.minor);
                Arguments.writeReply(out, desc, n, o);
                return Codec.finishInPlace(out, m.little);
            } catch (Throwable e) {
                return systemReply(m, r, OrbLog.replyFailed(servant, op, e));
            }
        } catch (Throwable e) {
            try {
                return systemReply(m, r, new org.omg.CORBA.INTERNAL(String.valueOf(e), 0, CompletionStatus.COMPLETED_MAYBE));
            } catch (Throwable again) {
                return null;
            }
        } finally {
            depth[0]--;
        }
    }

    // Stops listening and taking requests; lets the calls in progress
    // finish and their replies go out, then tells each client with
    // CloseConnection.  With wait the caller waits for that (BAD_INV_ORDER
    // from inside a call of this server, remote or collocated, which would
    // wait for itself); without, it happens behind.
    void shutdown(boolean wait) {
        if (wait && inCall.get()[0] > 0)
            throw new org.omg.CORBA.BAD_INV_ORDER("shutdown(true) inside a call", SystemExceptions.BAD_INV_ORDER_DEADLOCK,
                                                  CompletionStatus.COMPLETED_NO);
        stopping = true;
        for (ServerSocket l : new ServerSocket[] {listener, tlsListener}) {
            try {
                if (l != null) l.close();
            } catch (IOException ignored) {
                // already closed
            }
        }
        // The port is free only once the thread blocked in accept has left
        // it: a server restarted at once on the same port must find it so.
        for (Thread t : new Thread[] {acceptor, tlsAcceptor}) {
            if (t == null || Thread.currentThread() == t) continue;
            try {
                t.join(5000);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
        }
        Runnable finish = () -> {
            long deadline = System.nanoTime() + TimeUnit.SECONDS.toNanos(30);
            synchronized (quiet) {
                long left;
                while (active.get() > 0 && (left = deadline - System.nanoTime()) > 0) {
                    try {
                        quiet.wait(Math.max(1, left / 1000000));
                    } catch (InterruptedException e) {
                        Thread.currentThread().interrupt();
                        break;
                    }
                }
            }
            for (Conn c : conns) c.closeGracefully(true);
            pool.shutdown();
        };
        if (wait) {
            finish.run();
        } else {
            Thread t = new Thread(finish, "vemo.harl shutdown");
            t.setDaemon(true);
            t.start();
        }
    }
}

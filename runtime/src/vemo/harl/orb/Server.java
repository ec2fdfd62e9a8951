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
final class Server {
    private final FullORB orb;
    private final ServerSocket listener;
    final String host;
    final int port;
    // Threads that read connections and answer requests: the thread that
    // reads a request hands the reading of its connection to another and
    // answers the request itself, so no handoff lies between a request's
    // arrival and its reply.  At most `threads` requests run at once.
    private final ThreadPoolExecutor pool;
    private final java.util.concurrent.Semaphore running;
    private final Thread acceptor;
    private final Set<Conn> conns = ConcurrentHashMap.newKeySet();
    private volatile boolean stopping;
    private final AtomicInteger active = new AtomicInteger();

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

    Server(FullORB orb) {
        this.orb = orb;
        Settings s = orb.settings;
        ServerSocket ss = null;
        try {
            ss = new ServerSocket();
            ss.setReuseAddress(true);
            InetAddress bind = null;
            if (s.host != null) {
                try {
                    bind = InetAddress.getByName(s.host);
                    if (!bind.isAnyLocalAddress() && java.net.NetworkInterface.getByInetAddress(bind) == null) bind = null;
                } catch (IOException e) {
                    bind = null;
                }
            }
            ss.bind(new InetSocketAddress(bind, s.port), 128);
        } catch (IOException e) {
            try {
                if (ss != null) ss.close();
            } catch (IOException ignored) {
                // nothing to release
            }
            throw new org.omg.CORBA.INITIALIZE("cannot listen on port " + s.port + ": " + e.getMessage(), 0,
                                               CompletionStatus.COMPLETED_NO);
        }
        this.listener = ss;
        this.port = ss.getLocalPort();
        this.host = s.host != null ? s.host : guessHost();
        AtomicInteger count = new AtomicInteger();
        this.pool = new ThreadPoolExecutor(0, Integer.MAX_VALUE, 30, TimeUnit.SECONDS,
                                           new java.util.concurrent.SynchronousQueue<>(),
                                           r -> {
                                               Thread t = new Thread(r, "vemo.harl dispatch " + count.incrementAndGet());
                                               t.setDaemon(true);
                                               return t;
                                           });
        this.running = new java.util.concurrent.Semaphore(s.threads);
        acceptor = new Thread(this::acceptLoop, "vemo.harl listener :" + port);
        acceptor.setDaemon(true);
        acceptor.start();
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

    private void acceptLoop() {
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
                OrbLog.connection("accepted a connection from ", s.getRemoteSocketAddress());
                Conn c = new Conn(s);
                conns.add(c);
                pool.execute(c::readLoop);
            } catch (Throwable e) {
                try {
                    s.close();
                } catch (IOException ignored) {
                    // given up
                }
            }
        }
    }

    // One accepted connection.
    private final class Conn {
        final Socket socket;
        final java.io.OutputStream out;
        final Object writeLock = new Object();
        volatile int charSet = IOR.ISO_8859_1;
        volatile int wcharSet = IOR.UTF_16;
        volatile boolean closed;
        // Requests of this connection read but not yet answered: at the
        // limit the reader stops reading until one is done, so a client
        // cannot pile up requests (and their octets) without bound.
        final java.util.concurrent.Semaphore inFlight = new java.util.concurrent.Semaphore(256);

        final Giop.Reader reader;

        Conn(Socket s) throws IOException {
            socket = s;
            out = s.getOutputStream();
            reader = new Giop.Reader(new BufferedInputStream(s.getInputStream(), 65536), orb.settings.maxMessage);
        }

        void send(byte[] m) {
            if (closed) return;
            try {
                synchronized (writeLock) {
                    java.util.concurrent.ScheduledFuture<?> watch =
                        WriteWatch.arm(socket, WriteWatch.limit(orb.settings));
                    try {
                        out.write(m);
                        out.flush();
                    } finally {
                        WriteWatch.done(watch);
                    }
                }
            } catch (IOException e) {
                close();
            }
        }

        void close() {
            closed = true;
            conns.remove(this);
            try {
                socket.close();
            } catch (IOException ignored) {
                // already closed
            }
        }

        // Reads messages until the connection ends or this thread takes a
        // request to answer, having handed the reading on.
        void readLoop() {
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
                        close();
                        return;
                    }
                    switch (m.type) {
                        case Giop.REQUEST:
                            if (request(m)) return;
                            break;
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
                }
            } catch (IOException e) {
                close();
            } catch (Throwable t) {
                send(Giop.bare(Giop.MESSAGE_ERROR, 0));
                close();
            }
        }

        // Answers a request: true when this thread handed the reading of
        // the connection to another and answered it.
        private boolean request(Message m) {
            Codec.RequestIn r = new Codec.RequestIn();
            try {
                Codec.readRequest(orb, m, r);
            } catch (SystemException e) {
                if (r.requestId == -1) {
                    send(Giop.bare(Giop.MESSAGE_ERROR, m.minor));
                    close();
                } else {
                    send(Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId,
                                                    "IDL:omg.org/CORBA/MARSHAL:1.0", 0, CompletionStatus._COMPLETED_NO));
                }
                return false;
            }
            int[] cs = Codec.codeSetsOf(r.contexts);
            if (cs != null) {
                charSet = cs[0];
                wcharSet = cs[1];
            }
            int[] sets = {charSet, wcharSet};
            Cdr.codeSets(r.body, sets[0], sets[1]);
            if (stopping) {
                if (r.responseExpected)
                    send(Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId,
                                                    "IDL:omg.org/CORBA/TRANSIENT:1.0", 0, CompletionStatus._COMPLETED_NO));
                return false;
            }
            try {
                inFlight.acquire();
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                close();
                return true;
            }
            try {
                pool.execute(this::readLoop);
            } catch (RejectedExecutionException e) {
                inFlight.release();
                if (r.responseExpected)
                    send(Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId,
                                                    "IDL:omg.org/CORBA/TRANSIENT:1.0", 0, CompletionStatus._COMPLETED_NO));
                return false;
            }
            try {
                running.acquireUninterruptibly();
                try {
                    byte[] reply = dispatch(m, r, sets);
                    if (reply != null) send(reply);
                } finally {
                    running.release();
                }
            } catch (Throwable t) {
                // dispatch answers every failure itself; nothing escapes a thread
            } finally {
                inFlight.release();
            }
            return true;
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

    // A collocated call: the request octets answered on the caller's
    // thread, the reply octets read back as a message.
    Message callLocal(byte[] request, int[] sets) {
        boolean little = (request[6] & 1) != 0;
        Message m = new Message(request[5], little, Giop.REQUEST, request, request.length);
        Codec.RequestIn r = new Codec.RequestIn();
        Codec.readRequest(orb, m, r);
        Cdr.codeSets(r.body, sets[0], sets[1]);
        byte[] reply = dispatch(m, r, sets);
        if (reply == null) return null;
        return new Message(reply[5], (reply[6] & 1) != 0, Giop.REPLY, reply, reply.length);
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

    private byte[] systemReply(Message m, Codec.RequestIn r, SystemException e) {
        if (!r.responseExpected) return null;
        // What happened travels beside the exception (GIOP 1.2), for the client's message.
        String detail = e.getMessage();
        return Codec.systemExceptionReply(orb, m.minor, m.little, r.requestId, SystemExceptions.idOf(e), e.minor,
                                          e.completed.value(), m.minor >= 2 && detail != null && !detail.isEmpty()
                                          ? List.of(Codec.exceptionDetail(OrbLog.clip(detail))) : Codec.NONE);
    }

    private OutputStream reply(Message m, Codec.RequestIn r, int status, int[] sets) {
        OutputStream out = Codec.reply(orb, m.minor, m.little, r.requestId, status, Codec.NONE);
        Cdr.codeSets(out, sets[0], sets[1]);
        return out;
    }

    // Answers one request; null when no reply is to be sent.
    byte[] dispatch(Message m, Codec.RequestIn r, int[] sets) {
        active.incrementAndGet();
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
                return Codec.finish(out, m.little);
            }
            if (op.equals("_non_existent") || op.equals("_not_existent")) {
                if (!r.responseExpected) return null;
                OutputStream out = reply(m, r, Giop.NO_EXCEPTION, sets);
                Codec.beginBody(out, m.minor);
                out.write_boolean(false);
                return Codec.finish(out, m.little);
            }
            if (op.equals("_interface") || op.equals("_get_interface") || op.equals("_get_component"))
                return systemReply(m, r, new org.omg.CORBA.NO_IMPLEMENT(op, 0, CompletionStatus.COMPLETED_NO));
            if (!(servant instanceof Skeleton))
                return systemReply(m, r, new BAD_OPERATION(op, 0, CompletionStatus.COMPLETED_NO));
            Skeleton skel = (Skeleton) servant;
            OperationDescriptor[][] tables = skel._get_dispatch_table();
            OperationDescriptor[] table = tables == null || tables.length == 0 ? null : tables[0];
            int k = table == null ? -1 : find(table, op);
            if (k < 0) return systemReply(m, r, new BAD_OPERATION("no operation " + op, 0, CompletionStatus.COMPLETED_NO));
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
                    return Codec.finish(out, m.little);
                }
                Arguments.Layout layout = Arguments.layout(desc);
                OutputStream out = reply(m, r, Giop.NO_EXCEPTION, sets);
                if (layout.hasOut) Codec.beginBody(out, m.minor);
                Arguments.writeReply(out, desc, n, o);
                return Codec.finish(out, m.little);
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
            active.decrementAndGet();
        }
    }

    // Stops listening and taking requests; lets the requests in progress
    // finish, then tells each client with CloseConnection and closes.
    // With wait the caller waits for that (BAD_INV_ORDER from inside a
    // call, which would wait for itself); without, it happens behind.
    void shutdown(boolean wait) {
        if (wait && Thread.currentThread().getName().startsWith("vemo.harl dispatch "))
            throw new org.omg.CORBA.BAD_INV_ORDER("shutdown(true) inside a call", 3, CompletionStatus.COMPLETED_NO);
        stopping = true;
        try {
            listener.close();
        } catch (IOException ignored) {
            // already closed
        }
        // The port is free only once the thread blocked in accept has left
        // it: a server restarted at once on the same port must find it so.
        if (Thread.currentThread() != acceptor) {
            try {
                acceptor.join(5000);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
        }
        Runnable finish = () -> {
            long deadline = System.nanoTime() + TimeUnit.SECONDS.toNanos(30);
            while (active.get() > 0 && System.nanoTime() < deadline) {
                try {
                    Thread.sleep(5);
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                    break;
                }
            }
            for (Conn c : conns) {
                c.send(Giop.bare(Giop.CLOSE_CONNECTION, 0));
                c.close();
            }
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

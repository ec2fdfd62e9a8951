package vemo.harl.orb;

import java.io.BufferedInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.nio.channels.SocketChannel;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.atomic.AtomicBoolean;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.concurrent.locks.LockSupport;

import org.omg.CORBA.COMM_FAILURE;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.TRANSIENT;

import vemo.harl.cdr.SystemExceptions;
import vemo.harl.giop.Codec;
import vemo.harl.giop.Giop;
import vemo.harl.giop.Message;
import vemo.harl.giop.ProtocolError;

// One client connection to a server endpoint, shared by every reference to
// that endpoint and by every thread.  Requests are written whole under a
// lock; each reply goes to the call waiting for its request id, so calls
// from many threads travel on the connection at once.
//
// Who reads: on a plain connection, a waiting call itself.  One thread at
// a time holds the reading (`reading`); it reads replies, its own and
// others', until its own is in, then lets go and wakes another waiting
// call to take over.  A call answered quickly so never waits for another
// thread to be scheduled.  When no call has read for a while, the
// connection's own thread takes the reading, so that the server's
// CloseConnection or a closed connection is noticed while the connection
// is idle; it lets go once it has handed a reply on.  Reads wait at most
// POLL_MS between messages (the socket's read timeout), so that a reading
// call sees its own time run out.  Over TLS the connection's thread reads
// always, as the TLS layer is not read with a timeout.
// When the connection fails, every waiting call fails with COMM_FAILURE
// (completion unknown); a CloseConnection from the server tells that it
// did not process them, and they are reissued once on a new connection
// (Reissue), as GIOP permits.
final class ClientConnection implements Sweeper.Swept {
    private final FullORB orb;
    final String host;
    final int port;
    // Over TLS (vemo.harl.tls.Tls), its handshake done before the first request.
    final boolean secure;
    // The socket read and written: the TCP connection itself, or the TLS
    // layer over it.
    private final Socket socket;
    // The TCP connection, closed to end the connection: closing it ends a
    // write stuck in the TLS layer too, which closing that layer would wait for.
    private final Socket tcp;
    private final OutputStream out;
    // What the replies are read from: ChannelStreams.In on a plain
    // connection, whose selector closing the connection releases.
    private final InputStream input;
    private final Object writeLock = new Object();
    private final Sweeper.Progress progress = new Sweeper.Progress();
    private final long stallNanos;
    // The server sent CloseConnection: calls not answered may be reissued.
    private volatile boolean closedByServer;
    private final ConcurrentHashMap<Integer, Waiter> pending = new ConcurrentHashMap<>();
    // Calls read for themselves (a plain connection).
    private final boolean selfRead;
    // Held by the one thread reading the connection.
    private final AtomicBoolean reading = new AtomicBoolean();
    // When a reply was last handed on (System.nanoTime).
    private volatile long lastReply;
    private final Giop.Reader giop;
    static final int POLL_MS = 50;
    // How long the connection's thread stays out of the way of calls that
    // read for themselves.
    static final long IDLE_NANOS = 20_000_000L;
    private final AtomicInteger nextId = new AtomicInteger(1);
    private volatile boolean closed;
    // Whether the server has sent anything on this connection yet.
    private volatile boolean heard;
    // Why the connection failed, once it has.
    private volatile SystemException failure;
    private final Thread reader;
    // A request carrying the code sets has been written: later ones need
    // not carry them.  Set only once such a request is on the wire, so
    // that concurrent first calls all carry them.
    volatile boolean codeSetsSent;
    // The code sets chosen for the connection at its first request.
    volatile int charSet;
    volatile int wcharSet;

    ClientConnection(FullORB orb, String host, int port, boolean secure) {
        this.orb = orb;
        this.host = host;
        this.port = port;
        this.secure = secure;
        // A plain connection is a socket channel, read and written through
        // ChannelStreams; TLS is layered over a socket.
        SocketChannel channel = null;
        Socket tcp = null;
        Socket s;
        InputStream in = null;
        OutputStream o = null;
        try {
            if (secure) {
                tcp = new Socket();
            } else {
                channel = SocketChannel.open();
                tcp = channel.socket();
            }
            tcp.setTcpNoDelay(true);
            tcp.setKeepAlive(true);
            tcp.connect(new InetSocketAddress(host, port), orb.settings.connectTimeout);
            if (channel != null) {
                channel.configureBlocking(false);
                o = new ChannelStreams.Out(channel);
                in = new ChannelStreams.In(channel, POLL_MS);
                s = tcp;
            } else {
                s = orb.tls.clientSide(tcp, host, port, orb.settings.connectTimeout);
                o = s.getOutputStream();
            }
        } catch (IOException | IllegalArgumentException | SecurityException e) {
            if (channel != null) closeQuietly(tcp, in, o);
            else closeQuietly(tcp);
            // A failed handshake: the server's certificate is not trusted, or
            // the server refused this client.
            if (e instanceof javax.net.ssl.SSLException)
                throw new org.omg.CORBA.NO_PERMISSION("TLS to " + host + ":" + port + " refused: " + e.getMessage(), 0,
                                                      CompletionStatus.COMPLETED_NO);
            throw new TRANSIENT("cannot connect to " + host + ":" + port + ": " + e.getMessage(),
                                SystemExceptions.TRANSIENT_NO_PROFILE,
                                CompletionStatus.COMPLETED_NO);
        }
        this.tcp = tcp;
        this.socket = s;
        this.out = o;
        this.stallNanos = Sweeper.stallLimitNanos(orb.settings);
        boolean polled = !secure;
        Giop.Reader g = null;
        try {
            if (in == null) in = new BufferedInputStream(s.getInputStream(), 65536);
            // a reply's body is read into one array up to 2 MiB; beyond
            // that it grows as octets arrive
            g = new Giop.Reader(in, orb.settings.maxMessage, 2 << 20, null);
            g.stallLimit(stallNanos);
            g.useSpares(); // RemoteDelegate gives a reply's buffer back
        } catch (IOException e) {
            polled = false; // the connection's thread finds it broken and says so
        }
        this.giop = g;
        this.input = in;
        this.selfRead = polled;
        Sweeper.add(this);
        OrbLog.connection("connected to ", host + ":" + port);
        reader = new Thread(this::readLoop, "vemo.harl client " + host + ":" + port);
        reader.setDaemon(true);
        reader.start();
    }

    boolean isClosed() {
        return closed;
    }

    // A call waiting for its reply, woken when the reply is in, when the
    // connection fails, or when it is to take over the reading.
    private static final class Waiter {
        final Thread thread = Thread.currentThread();
        volatile Message reply;
        volatile RuntimeException failure;

        boolean done() {
            return reply != null || failure != null;
        }

        void complete(Message m) {
            reply = m;
            LockSupport.unpark(thread);
        }

        void fail(RuntimeException e) {
            failure = e;
            LockSupport.unpark(thread);
        }
    }

    // Thrown to a call whose request the server closed the connection on
    // without processing it: the caller may send it again, once, on a new
    // connection.
    static final class Reissue extends RuntimeException {
        Reissue() {
            super("the server closed the connection", null, false, false);
        }
    }

    public boolean sweep(long now) {
        if (closed) return false;
        if (progress.stalled(now, stallNanos)) {
            try {
                tcp.close(); // ends the stuck write with an IOException
            } catch (IOException ignored) {
                // closed
            }
            return false;
        }
        return true;
    }

    int newRequestId() {
        return nextId.getAndIncrement();
    }

    // The failure of a call on a closed connection: NO_PERMISSION when the
    // server refused this client's TLS, else COMM_FAILURE.
    private SystemException whyClosed() {
        SystemException why = failure;
        if (why instanceof org.omg.CORBA.NO_PERMISSION)
            return new org.omg.CORBA.NO_PERMISSION(why.getMessage(), 0, CompletionStatus.COMPLETED_NO);
        return new COMM_FAILURE("connection closed", 0, CompletionStatus.COMPLETED_NO);
    }

    // Sends one message whole.
    void send(byte[] message) {
        send(message, message.length);
    }

    // Sends the first `length` octets of message, one message whole.
    void send(byte[] message, int length) {
        if (closed) {
            if (closedByServer) throw new Reissue();
            throw whyClosed();
        }
        try {
            synchronized (writeLock) {
                progress.write(out, message, 0, length);
            }
        } catch (IOException e) {
            if (closedByServer) throw new Reissue();
            if (secure && !heard) {
                // A TLS server that refuses this client's certificate sends
                // its alert and closes, which a write may notice first; the
                // reader reads the alert and says why.
                try {
                    reader.join(Math.max(orb.settings.connectTimeout, 1000));
                } catch (InterruptedException ie) {
                    Thread.currentThread().interrupt();
                }
                if (failure instanceof org.omg.CORBA.NO_PERMISSION) throw whyClosed();
            }
            fail(new COMM_FAILURE("connection lost: " + e.getMessage(), 0, CompletionStatus.COMPLETED_MAYBE));
            throw new COMM_FAILURE("connection lost while sending: " + e.getMessage(), 0,
                                   CompletionStatus.COMPLETED_MAYBE);
        }
    }

    // Sends a request of GIOP 1.minor and waits for the reply of the same
    // id; sent tells that a request carrying the code sets is written.
    Message call(int requestId, int minor, byte[] message, int length, int timeoutMs, boolean carriesCodeSets) {
        Waiter w = new Waiter();
        pending.put(requestId, w);
        if (closed) {
            pending.remove(requestId);
            if (closedByServer) throw new Reissue();
            throw whyClosed();
        }
        try {
            send(message, length);
        } catch (RuntimeException e) {
            pending.remove(requestId);
            throw e;
        }
        if (carriesCodeSets) codeSetsSent = true;
        long deadline = timeoutMs > 0 ? System.nanoTime() + timeoutMs * 1000000L : 0;
        while (!w.done()) {
            if (selfRead && reading.compareAndSet(false, true)) {
                try {
                    while (!w.done() && !closed && (deadline == 0 || System.nanoTime() - deadline < 0)
                           && !Thread.currentThread().isInterrupted()) {
                        if (readOne() < 0) break;
                    }
                } finally {
                    letGo();
                }
                if (w.done()) break;
            }
            long left = deadline == 0 ? 0 : deadline - System.nanoTime();
            if (deadline != 0 && left <= 0) {
                pending.remove(requestId);
                if (w.done()) break;
                wakeOne(); // in case this call was the one woken to read
                try {
                    // at the request's version: a server of an older GIOP
                    // refuses a newer message
                    send(Codec.cancelRequest(orb, minor, orb.settings.littleEndian, requestId));
                } catch (RuntimeException ignored) {
                    // the call fails with TIMEOUT either way
                }
                throw new org.omg.CORBA.TIMEOUT("no reply within " + timeoutMs + " ms", 0,
                                                CompletionStatus.COMPLETED_MAYBE);
            }
            if (Thread.currentThread().isInterrupted()) {
                pending.remove(requestId);
                if (w.done()) break;
                wakeOne();
                throw new COMM_FAILURE("interrupted while waiting for a reply", 0, CompletionStatus.COMPLETED_MAYBE);
            }
            if (deadline == 0) LockSupport.park(this);
            else LockSupport.parkNanos(this, left);
        }
        if (w.reply != null) return w.reply;
        RuntimeException c = w.failure;
        if (c instanceof Reissue) throw new Reissue();
        if (c instanceof SystemException) {
            SystemException x = (SystemException) c;
            // a fresh exception for each waiting call
            throw SystemExceptions.make(SystemExceptions.id(x), x.minor, x.completed.value(), x.getMessage());
        }
        throw new COMM_FAILURE(String.valueOf(c), 0, CompletionStatus.COMPLETED_MAYBE);
    }

    // Gives the reading up and wakes a call still waiting to take it over.
    private void letGo() {
        reading.set(false);
        wakeOne();
    }

    private void wakeOne() {
        if (pending.isEmpty()) return;
        for (Waiter o : pending.values()) {
            if (!o.done()) {
                LockSupport.unpark(o.thread);
                return;
            }
        }
    }

    // The connection's own thread.  Over TLS it reads all the time; on a
    // plain connection it takes the reading only when no call has had a
    // reply for IDLE_NANOS, and lets go once it has handed one on.
    private void readLoop() {
        if (!selfRead) {
            while (!closed && readOne() >= 0) {
                // on to the next message
            }
            return;
        }
        while (!closed) {
            LockSupport.parkNanos(this, IDLE_NANOS);
            if (closed) return;
            if (System.nanoTime() - lastReply < IDLE_NANOS || !reading.compareAndSet(false, true)) continue;
            try {
                int r;
                do {
                    r = readOne();
                } while (r == 0 || r == 1);
                if (r < 0) return;
            } finally {
                letGo();
            }
        }
    }

    // Reads one message and hands it on: -1 once the connection has ended
    // (the waiting calls failed), 0 when the poll interval passed without
    // a message, 1 for a message that was no reply to a waiting call, 2
    // for one that was.
    private int readOne() {
        try {
            Message m;
            try {
                if (giop == null)
                    throw new IOException("the connection cannot be read");
                m = giop.next();
            } catch (SocketTimeoutException e) {
                return 0;
            } catch (ProtocolError e) {
                sendQuietly(Giop.bare(Giop.MESSAGE_ERROR, 0));
                fail(new COMM_FAILURE("protocol error from the server: " + e.getMessage(), 0,
                                      CompletionStatus.COMPLETED_MAYBE));
                return -1;
            }
            if (m == null) {
                fail(new COMM_FAILURE("connection closed by the server", 0, CompletionStatus.COMPLETED_MAYBE));
                return -1;
            }
            heard = true;
            switch (m.type) {
                case Giop.REPLY:
                case Giop.LOCATE_REPLY: {
                    int id = Codec.replyRequestId(orb, m);
                    Waiter f = pending.remove(id);
                    if (f == null) return 1;
                    lastReply = System.nanoTime();
                    f.complete(m);
                    return 2;
                }
                case Giop.CLOSE_CONNECTION:
                    closed = true; // before closedByServer: a reissue must not find this connection
                    closedByServer = true;
                    fail(null);
                    return -1;
                case Giop.MESSAGE_ERROR:
                    fail(new COMM_FAILURE("the server reported a message error", 0,
                                          CompletionStatus.COMPLETED_MAYBE));
                    return -1;
                default:
                    // requests from the server side are not supported
                    sendQuietly(Giop.bare(Giop.MESSAGE_ERROR, m.minor));
                    fail(new COMM_FAILURE("unexpected message type " + m.type + " from the server", 0,
                                          CompletionStatus.COMPLETED_MAYBE));
                    return -1;
            }
        } catch (javax.net.ssl.SSLException e) {
            // Under TLS 1.3 a server that refuses this client's certificate
            // says so after the client's side of the handshake is done: on
            // the first read, before it has read any request.
            if (!heard) fail(new org.omg.CORBA.NO_PERMISSION("TLS refused by " + host + ":" + port + ": " + e.getMessage(),
                                                              0, CompletionStatus.COMPLETED_NO));
            else fail(new COMM_FAILURE("connection lost: " + e.getMessage(), 0, CompletionStatus.COMPLETED_MAYBE));
        } catch (IOException e) {
            fail(new COMM_FAILURE("connection lost: " + e.getMessage(), 0, CompletionStatus.COMPLETED_MAYBE));
        } catch (Throwable t) {
            fail(new COMM_FAILURE("client reader failed: " + t, 0, CompletionStatus.COMPLETED_MAYBE));
        }
        return -1;
    }

    private void sendQuietly(byte[] message) {
        try {
            synchronized (writeLock) {
                out.write(message);
                out.flush();
            }
        } catch (IOException ignored) {
            // the connection is being given up anyway
        }
    }

    // Closes the connection and fails every waiting call with e (null: the
    // server closed it with CloseConnection, and they may be reissued).
    void fail(SystemException e) {
        if (failure == null && e != null) failure = e;
        closed = true;
        orb.forget(this);
        Sweeper.remove(this);
        // (a TLS layer is left alone: closing it would wait for a write
        // stuck in it, which closing the TCP connection ends)
        if (secure) closeQuietly(tcp);
        else closeQuietly(tcp, input, out);
        for (Integer id : pending.keySet()) {
            Waiter f = pending.remove(id);
            if (f != null) f.fail(e == null ? new Reissue() : e);
        }
    }

    // Closes the socket, then a plain connection's streams: a channel's
    // socket is released only once its streams' selectors are closed.
    private static void closeQuietly(java.io.Closeable... all) {
        for (java.io.Closeable c : all) {
            if (c == null) continue;
            try {
                c.close();
            } catch (IOException ignored) {
                // already closed
            }
        }
    }

    // Closes the client's side; calls still waiting fail.
    void close() {
        if (closed) return;
        fail(new COMM_FAILURE("the ORB was shut down", 0, CompletionStatus.COMPLETED_MAYBE));
    }
}

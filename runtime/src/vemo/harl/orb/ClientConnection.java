package vemo.harl.orb;

import java.io.BufferedInputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.util.concurrent.CompletableFuture;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.TimeoutException;
import java.util.concurrent.atomic.AtomicInteger;

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
// lock; a reader thread hands each reply to the call waiting for its
// request id, so calls from many threads travel on the connection at once.
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
    private final Object writeLock = new Object();
    private final Sweeper.Progress progress = new Sweeper.Progress();
    private final long stallNanos;
    // The server sent CloseConnection: calls not answered may be reissued.
    private volatile boolean closedByServer;
    private final ConcurrentHashMap<Integer, CompletableFuture<Message>> pending = new ConcurrentHashMap<>();
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
        Socket tcp = new Socket();
        Socket s;
        try {
            tcp.setTcpNoDelay(true);
            tcp.setKeepAlive(true);
            tcp.connect(new InetSocketAddress(host, port), orb.settings.connectTimeout);
            s = secure ? orb.tls.clientSide(tcp, host, port, orb.settings.connectTimeout) : tcp;
            this.out = s.getOutputStream();
        } catch (IOException | IllegalArgumentException | SecurityException e) {
            try {
                tcp.close();
            } catch (IOException ignored) {
                // nothing more to release
            }
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
        this.stallNanos = Sweeper.stallLimitNanos(orb.settings);
        Sweeper.add(this);
        OrbLog.connection("connected to ", host + ":" + port);
        reader = new Thread(this::readLoop, "vemo.harl client " + host + ":" + port);
        reader.setDaemon(true);
        reader.start();
    }

    boolean isClosed() {
        return closed;
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
        CompletableFuture<Message> f = new CompletableFuture<>();
        pending.put(requestId, f);
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
        try {
            return timeoutMs > 0 ? f.get(timeoutMs, TimeUnit.MILLISECONDS) : f.get();
        } catch (TimeoutException e) {
            pending.remove(requestId);
            try {
                // at the request's version: a server of an older GIOP
                // refuses a newer message
                send(Codec.cancelRequest(orb, minor, orb.settings.littleEndian, requestId));
            } catch (RuntimeException ignored) {
                // the call fails with TIMEOUT either way
            }
            throw new org.omg.CORBA.TIMEOUT("no reply within " + timeoutMs + " ms", 0, CompletionStatus.COMPLETED_MAYBE);
        } catch (InterruptedException e) {
            pending.remove(requestId);
            Thread.currentThread().interrupt();
            throw new COMM_FAILURE("interrupted while waiting for a reply", 0, CompletionStatus.COMPLETED_MAYBE);
        } catch (ExecutionException e) {
            Throwable c = e.getCause();
            if (c instanceof Reissue) throw new Reissue();
            if (c instanceof SystemException) {
                SystemException s = (SystemException) c;
                // a fresh exception for each waiting call
                throw SystemExceptions.make(SystemExceptions.id(s), s.minor, s.completed.value(), s.getMessage());
            }
            throw new COMM_FAILURE(String.valueOf(c), 0, CompletionStatus.COMPLETED_MAYBE);
        }
    }

    private void readLoop() {
        try {
            // a reply's body is read into one array up to 2 MiB; beyond
            // that it grows as octets arrive
            Giop.Reader reader = new Giop.Reader(new BufferedInputStream(socket.getInputStream(), 65536),
                                                 orb.settings.maxMessage, 2 << 20, null);
            while (!closed) {
                Message m;
                try {
                    m = reader.next();
                } catch (ProtocolError e) {
                    sendQuietly(Giop.bare(Giop.MESSAGE_ERROR, 0));
                    fail(new COMM_FAILURE("protocol error from the server: " + e.getMessage(), 0,
                                          CompletionStatus.COMPLETED_MAYBE));
                    return;
                }
                if (m == null) {
                    fail(new COMM_FAILURE("connection closed by the server", 0, CompletionStatus.COMPLETED_MAYBE));
                    return;
                }
                heard = true;
                switch (m.type) {
                    case Giop.REPLY:
                    case Giop.LOCATE_REPLY: {
                        int id = Codec.replyRequestId(orb, m);
                        CompletableFuture<Message> f = pending.remove(id);
                        if (f != null) f.complete(m);
                        break;
                    }
                    case Giop.CLOSE_CONNECTION:
                        closed = true; // before closedByServer: a reissue must not find this connection
                        closedByServer = true;
                        fail(null);
                        return;
                    case Giop.MESSAGE_ERROR:
                        fail(new COMM_FAILURE("the server reported a message error", 0,
                                              CompletionStatus.COMPLETED_MAYBE));
                        return;
                    default:
                        // requests from the server side are not supported
                        sendQuietly(Giop.bare(Giop.MESSAGE_ERROR, m.minor));
                        fail(new COMM_FAILURE("unexpected message type " + m.type + " from the server", 0,
                                              CompletionStatus.COMPLETED_MAYBE));
                        return;
                }
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
        try {
            tcp.close();
        } catch (IOException ignored) {
            // already closed
        }
        for (Integer id : pending.keySet()) {
            CompletableFuture<Message> f = pending.remove(id);
            if (f != null) f.completeExceptionally(e == null ? new Reissue() : e);
        }
    }

    // Closes the client's side; calls still waiting fail.
    void close() {
        if (closed) return;
        fail(new COMM_FAILURE("the ORB was shut down", 0, CompletionStatus.COMPLETED_MAYBE));
    }
}

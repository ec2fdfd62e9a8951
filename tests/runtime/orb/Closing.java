import java.io.IOException;
import java.io.InputStream;
import java.net.InetSocketAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Skeleton;

import vemo.harl.giop.Codec;
import vemo.harl.giop.Giop;
import vemo.harl.giop.Message;
import vemo.harl.ior.IOR;

// How connections end and what the protocol's rarer messages do, one case
// per row:
//  - shutdown lets every call in progress write its whole reply before it
//    sends CloseConnection;
//  - shutdown(true) inside a collocated call raises BAD_INV_ORDER at once;
//  - a code set the server cannot convert fails that request with
//    CODESET_INCOMPATIBLE and leaves the connection working;
//  - CancelRequest travels at the version of the request it cancels;
//  - a GIOP 1.0 call first does not settle the code sets of later 1.2 calls,
//    and of concurrent first calls the first on the wire carries them;
//  - a call whose reply stops midway fails, and the next is answered on a
//    new connection;
//  - a call whose thread is interrupted while it waits fails at once;
//  - a thread interrupted before it sends a large request writes it whole;
//  - a request the server answered with CloseConnection is reissued once on
//    a new connection, and fails with TRANSIENT when that one closes too;
//  - an idle connection is closed with CloseConnection and an orderly end
//    of stream, and the client's next call opens a new one.
public class Closing extends Cases {
    static ORB server(String... settings) {
        Properties p = new Properties();
        p.setProperty("vemo.harl.host", "127.0.0.1");
        for (int i = 0; i + 1 < settings.length; i += 2) p.setProperty("vemo.harl." + settings[i], settings[i + 1]);
        return ORB.init(new String[0], p);
    }

    // A servant whose one operation stops its own ORB from inside the call
    // and whose other holds a call until released.
    static final class Stopper extends ObjectImpl implements Skeleton {
        static final OperationDescriptor STOP = new OperationDescriptor(
            "stop", new int[0], new Class[0], new String[0], new Class[0], false);
        static final OperationDescriptor HOLD = new OperationDescriptor(
            "hold", new int[] {0x13, 0x13 | OperationDescriptor.IN}, new Class[] {Echo.OctetsHolder.class,
            Echo.OctetsHolder.class}, new String[0], new Class[0], false);
        final ORB orb;
        final CountDownLatch started;
        final CountDownLatch release = new CountDownLatch(1);

        Stopper(ORB orb, int holders) {
            super(null);
            this.orb = orb;
            this.started = new CountDownLatch(holders);
        }

        public String[] _get_ids() {
            return new String[] {"IDL:test/Stopper:1.0"};
        }

        public OperationDescriptor[][] _get_dispatch_table() {
            return new OperationDescriptor[][] {{STOP, HOLD}};
        }

        public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
            throws Exception {
            if (op == 0) {
                orb.shutdown(true);
            } else {
                started.countDown();
                release.await();
                o[0] = o[1];
            }
            return null;
        }
    }

    // Calls in progress at shutdown(true) all get their whole replies.
    static void shutdownWaitsForReplies() throws Exception {
        ORB s = server();
        int callers = 6;
        Stopper st = new Stopper(s, callers);
        s.connect(st);
        String ior = s.object_to_string(st);
        ORB c = ORB.init(new String[0], null);
        ObjectImpl ref = (ObjectImpl) c.string_to_object(ior);
        byte[] big = new byte[3 << 20];
        for (int i = 0; i < big.length; i++) big[i] = (byte) (i * 7);
        AtomicInteger whole = new AtomicInteger();
        List<String> problems = java.util.Collections.synchronizedList(new ArrayList<>());
        List<Thread> threads = new ArrayList<>();
        for (int t = 0; t < callers; t++) {
            Thread th = new Thread(() -> {
                try {
                    java.lang.Object[] o = {new Echo.OctetsHolder(), new Echo.OctetsHolder(big)};
                    ref._invoke(Stopper.HOLD, new long[2], o);
                    if (java.util.Arrays.equals(((Echo.OctetsHolder) o[0]).value, big)) whole.incrementAndGet();
                    else problems.add("a reply came back altered");
                } catch (SystemException e) {
                    problems.add("a call in progress at shutdown failed: " + e);
                }
            });
            th.start();
            threads.add(th);
        }
        st.started.await();
        Thread stopper = new Thread(() -> s.shutdown(true));
        stopper.start();
        st.release.countDown();
        for (Thread th : threads) th.join();
        stopper.join();
        for (String p : problems) check(false, p);
        check(whole.get() == callers, "every call in progress at shutdown got its reply (" + whole.get() + ")");
        c.destroy();
        s.destroy();
    }

    // shutdown(true) from inside a collocated call would wait for itself.
    static void collocatedShutdown() {
        ORB s = server();
        Stopper st = new Stopper(s, 0);
        s.connect(st);
        ObjectImpl self = (ObjectImpl) s.string_to_object(s.object_to_string(st));
        try {
            self._invoke(Stopper.STOP, new long[0], new java.lang.Object[0]);
            check(false, "shutdown(true) inside a collocated call raises BAD_INV_ORDER");
        } catch (org.omg.CORBA.BAD_INV_ORDER e) {
            check(e.minor == 0x4f4d0003, "BAD_INV_ORDER minor OMG 3 (would deadlock), not " + Integer.toHexString(e.minor));
        }
        s.destroy();
    }

    static Socket raw(int port) throws IOException {
        Socket so = new Socket();
        so.connect(new InetSocketAddress("127.0.0.1", port));
        return so;
    }

    static byte[] echoRequest(ORB orb, int minor, int id, byte[] key, List<Codec.ServiceContext> ctxs, String text) {
        OutputStream out = Codec.request(orb, minor, false, id, true, key, "echo", ctxs);
        Codec.beginBody(out, minor);
        out.write_string(text);
        return Codec.finish(out, false);
    }

    static String replyException(Message m) {
        Codec.ReplyIn r = Codec.readReply(null, m);
        return r.status == Giop.SYSTEM_EXCEPTION ? r.body.read_string() : null;
    }

    // An unknown code set fails its request, not the connection.
    static void unknownCodeSet() throws Exception {
        ORB s = server();
        Echo e = new Echo();
        s.connect(e);
        IOR.IIOPProfile p = IOR.parse(s.object_to_string(e)).iiop();
        try (Socket so = raw(p.port)) {
            List<Codec.ServiceContext> latin2 = new ArrayList<>();
            latin2.add(Codec.codeSets(0x00010002, IOR.UTF_16));
            so.getOutputStream().write(echoRequest(s, 2, 1, p.key(), latin2, "a"));
            so.getOutputStream().write(echoRequest(s, 2, 2, p.key(), Codec.NONE, "b"));
            Giop.Reader r = new Giop.Reader(so.getInputStream(), 1 << 20);
            Message first = r.next();
            Codec.ReplyIn fr = first == null ? null : Codec.readReply(null, first);
            check(fr != null && fr.status == Giop.SYSTEM_EXCEPTION
                  && "IDL:omg.org/CORBA/CODESET_INCOMPATIBLE:1.0".equals(fr.body.read_string())
                  && fr.body.read_ulong() == 0x4f4d0002,
                  "a request naming ISO-8859-2 gets CODESET_INCOMPATIBLE, minor OMG 2");
            Message second = r.next();
            check(second != null && second.type == Giop.REPLY && replyException(second) == null,
                  "the connection answers the next request");
        }
        s.destroy();
    }

    // A server that speaks GIOP 1.0 only: it answers MessageError to any
    // other version (and stops), leaves an echo of "unanswered" unanswered
    // and answers the others; it records the version of each CancelRequest.
    static final class OldServer implements Runnable {
        final ServerSocket ss;
        final int version;
        // For each request, in the order read: whether it carried code sets.
        final List<Boolean> codeSets = java.util.Collections.synchronizedList(new ArrayList<>());
        final List<Integer> cancelVersions = java.util.Collections.synchronizedList(new ArrayList<>());
        final AtomicInteger connections = new AtomicInteger();
        // close: answer every request with CloseConnection on the first
        // `closeFirst` connections instead
        volatile int closeFirst;

        OldServer() throws IOException {
            this(0);
        }

        OldServer(int version) throws IOException {
            this.version = version;
            ss = new ServerSocket();
            ss.bind(new InetSocketAddress("127.0.0.1", 0));
        }

        public void run() {
            while (!ss.isClosed()) {
                Socket so;
                try {
                    so = ss.accept();
                } catch (IOException e) {
                    return;
                }
                int n = connections.incrementAndGet();
                Thread t = new Thread(() -> serve(so, n <= closeFirst));
                t.setDaemon(true);
                t.start();
            }
        }

        void serve(Socket so, boolean close) {
            try (Socket s = so) {
                Giop.Reader r = new Giop.Reader(s.getInputStream(), 1 << 20);
                Message m;
                while ((m = r.next()) != null) {
                    if (m.minor != version) {
                        s.getOutputStream().write(Giop.bare(Giop.MESSAGE_ERROR, 0));
                        return;
                    }
                    if (m.type == Giop.CANCEL_REQUEST) {
                        cancelVersions.add(m.minor);
                        continue;
                    }
                    if (m.type != Giop.REQUEST) continue;
                    if (close) {
                        s.getOutputStream().write(Giop.bare(Giop.CLOSE_CONNECTION, 0));
                        s.shutdownOutput();
                        while (s.getInputStream().read() >= 0) {
                            // until the client lets go
                        }
                        return;
                    }
                    Codec.RequestIn q = new Codec.RequestIn();
                    Codec.readRequest(null, m, q);
                    codeSets.add(Codec.codeSetsOf(q.contexts) != null);
                    String text = q.body.read_string();
                    if (text.equals("unanswered")) continue;
                    OutputStream out = Codec.reply(null, version, false, q.requestId, Giop.NO_EXCEPTION, Codec.NONE);
                    Codec.beginBody(out, version);
                    out.write_string(text);
                    byte[] reply = Codec.finish(out, false);
                    if (text.equals("cut")) {
                        // the first half of the reply, and then nothing
                        s.getOutputStream().write(reply, 0, reply.length / 2);
                        s.getOutputStream().flush();
                        continue;
                    }
                    s.getOutputStream().write(reply);
                }
            } catch (Exception e) {
                // the client went away
            }
        }
    }

    static ObjectImpl refTo(ORB orb, OldServer old, int minor) {
        return (ObjectImpl) orb.string_to_object(
            IOR.make("IDL:test/Echo:1.0", "127.0.0.1", old.ss.getLocalPort(), new byte[] {1}, minor).toString());
    }

    // A timed-out call to a 1.0 server is cancelled in 1.0.
    static void cancelAtRequestVersion() throws Exception {
        OldServer old = new OldServer();
        Thread t = new Thread(old);
        t.setDaemon(true);
        t.start();
        ORB c = ORB.init(new String[] {"-ORBReplyTimeout", "300"}, null);
        ObjectImpl ref = refTo(c, old, 0);
        try {
            Echo.echo(ref, "unanswered");
            check(false, "request 1 times out");
        } catch (org.omg.CORBA.TIMEOUT expected) {
            // expected
        }
        check("answered".equals(Echo.echo(ref, "answered")), "the connection serves the next call");
        check(old.cancelVersions.equals(List.of(0)), "one CancelRequest, in GIOP 1.0: " + old.cancelVersions);
        check(old.connections.get() == 1, "one connection for both calls");
        c.destroy();
        old.ss.close();
    }

    // A reply cut off midway, the rest never sent: the call fails within
    // the time its connection may go without an octet, and the next call
    // is answered on a new connection.
    static void cutReply() throws Exception {
        OldServer old = new OldServer();
        Thread t = new Thread(old);
        t.setDaemon(true);
        t.start();
        ORB c = ORB.init(new String[] {"-ORBReplyTimeout", "1000"}, null);
        ObjectImpl ref = refTo(c, old, 0);
        try {
            Echo.echo(ref, "cut");
            check(false, "a call whose reply stops midway fails");
        } catch (org.omg.CORBA.TIMEOUT | org.omg.CORBA.COMM_FAILURE expected) {
            check(expected.completed == org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE,
                  "the cut call may have completed: " + expected);
        }
        check("answered".equals(Echo.echo(ref, "answered")), "the next call is answered");
        check(old.connections.get() == 2, "on a new connection: " + old.connections.get());
        c.destroy();
        old.ss.close();
    }

    // A server with a Stopper and an Echo, and a client with a reference
    // to each, its connection opened by a first call.
    static final class Held {
        final ORB s = server();
        final Stopper st = new Stopper(s, 1);
        final ORB c = ORB.init(new String[] {"-ORBReplyTimeout", "120000"}, null);
        final ObjectImpl held;
        final ObjectImpl echo;

        Held() throws Exception {
            s.connect(st);
            Echo e = new Echo();
            s.connect(e);
            held = (ObjectImpl) c.string_to_object(s.object_to_string(st));
            echo = (ObjectImpl) c.string_to_object(s.object_to_string(e));
            check("warm".equals(Echo.echo(echo, "warm")), "a call before");
        }

        // Starts a thread making the call: outcome[0] becomes "returned",
        // "COMM_FAILURE" for a COMM_FAILURE of completion maybe that left
        // the thread interrupted, or what else was thrown.
        static Thread call(String[] outcome, boolean interrupted, Runnable call) {
            Thread t = new Thread(() -> {
                if (interrupted) Thread.currentThread().interrupt();
                try {
                    call.run();
                    outcome[0] = "returned";
                } catch (org.omg.CORBA.COMM_FAILURE x) {
                    outcome[0] = x.completed == org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE
                        && Thread.currentThread().isInterrupted() ? "COMM_FAILURE" : "COMM_FAILURE " + x;
                } catch (RuntimeException x) {
                    outcome[0] = String.valueOf(x);
                }
            });
            t.start();
            return t;
        }

        Thread hold(String[] outcome) {
            return call(outcome, false, () -> held._invoke(Stopper.HOLD, new long[2], new java.lang.Object[] {
                new Echo.OctetsHolder(), new Echo.OctetsHolder(new byte[1])}));
        }

        void destroy() {
            c.destroy();
            s.destroy();
        }
    }

    // A call whose thread is interrupted while it waits for its reply (and
    // reads the connection for it) fails with COMM_FAILURE at once, keeps
    // the interrupt, and the connection serves the next call.
    static void interruptedCall() throws Exception {
        Held h = new Held();
        String[] outcome = new String[1];
        Thread caller = h.hold(outcome);
        h.st.started.await();
        caller.interrupt();
        caller.join(60000); // a bound, not a measure: a caller that ignores the interrupt waits for the release
        h.st.release.countDown();
        caller.join();
        check("COMM_FAILURE".equals(outcome[0]),
              "an interrupted call fails with COMM_FAILURE, completion maybe, its thread still interrupted: " + outcome[0]);
        check("after".equals(Echo.echo(h.echo, "after")), "the connection serves the next call");
        h.destroy();
    }

    // A thread already interrupted when it sends a request larger than the
    // socket's buffers writes it whole (an interrupt must not close the
    // connection under a half-written message, nor under a call in flight
    // on it), then fails with COMM_FAILURE keeping its interrupt; the
    // connection serves the next call, a large one included.
    static void interruptedSender() throws Exception {
        Held h = new Held();
        byte[] big = new byte[16 << 20];
        for (int i = 0; i < big.length; i++) big[i] = (byte) (i * 31);
        String[] held = new String[1];
        Thread holder = h.hold(held);
        h.st.started.await();
        String[] outcome = new String[1];
        Held.call(outcome, true, () -> Echo.blob(h.echo, big)).join();
        h.st.release.countDown();
        holder.join();
        check("returned".equals(held[0]), "a call in flight on the connection is answered: " + held[0]);
        check("COMM_FAILURE".equals(outcome[0]) || "returned".equals(outcome[0]),
              "an interrupted sender fails with COMM_FAILURE keeping its interrupt, or is answered: " + outcome[0]);
        check("after".equals(Echo.echo(h.echo, "after")), "the connection serves the next call");
        check(java.util.Arrays.equals(big, Echo.blob(h.echo, big)), "and a large one");
        h.destroy();
    }

    // CloseConnection in answer to a request: reissued once.
    static void reissue() throws Exception {
        for (int closing : new int[] {1, 5}) {
            OldServer old = new OldServer();
            old.closeFirst = closing;
            Thread t = new Thread(old);
            t.setDaemon(true);
            t.start();
            ORB c = ORB.init(new String[0], null);
            ObjectImpl ref = refTo(c, old, 0);
            try {
                String got = Echo.echo(ref, "again");
                check(closing == 1 && "again".equals(got), "a request closed on once is reissued and answered");
            } catch (org.omg.CORBA.TRANSIENT e) {
                check(closing > 1 && e.completed == org.omg.CORBA.CompletionStatus.COMPLETED_NO,
                      "closed on twice: TRANSIENT, not completed (" + e + ")");
            }
            check(old.connections.get() == 2, "exactly one reissue on a new connection: " + old.connections.get());
            c.destroy();
            old.ss.close();
        }
    }

    // Code sets: a 1.0 call first, then 1.2 calls, between ORBs that both
    // prefer UTF-8: the 1.2 calls negotiate UTF-8 and carry any text.
    static void codeSetsAfterGiop10() {
        ORB s = server("nativeCharCodeSet", "UTF-8");
        Echo e = new Echo();
        s.connect(e);
        String ior = s.object_to_string(e);
        IOR.IIOPProfile p = IOR.parse(ior).iiop();
        ORB c = ORB.init(new String[] {"-ORBNativeCharCodeSet", "UTF-8"}, null);
        ObjectImpl old = (ObjectImpl) c.string_to_object(
            "corbaloc:iiop:1.0@127.0.0.1:" + p.port + "/" + IOR.escape(p.key()));
        check("latin".equals(Echo.echo(old, "latin")), "the 1.0 call");
        ObjectImpl now = (ObjectImpl) c.string_to_object(ior);
        String text = "\u20ac \u4e2d";
        try {
            check(text.equals(Echo.echo(now, text)), "a 1.2 call after it carries text beyond Latin-1");
        } catch (SystemException x) {
            check(false, "a 1.2 call after a 1.0 one: " + x);
        }
        check("latin again".equals(Echo.echo(old, "latin again")), "a 1.0 call after the 1.2 ones");
        c.destroy();
        s.destroy();
    }

    // An idle connection ends with CloseConnection and an orderly end of
    // stream; the client's next call opens a new connection.
    static void idleClose() throws Exception {
        ORB s = server("idleTimeout", "300");
        Echo e = new Echo();
        s.connect(e);
        String ior = s.object_to_string(e);
        IOR.IIOPProfile p = IOR.parse(ior).iiop();
        try (Socket so = raw(p.port)) {
            so.getOutputStream().write(echoRequest(s, 2, 1, p.key(), Codec.NONE, "x"));
            Giop.Reader r = new Giop.Reader(so.getInputStream(), 1 << 20);
            Message m = r.next();
            check(m != null && m.type == Giop.REPLY, "the reply");
            Message close = r.next();
            check(close != null && close.type == Giop.CLOSE_CONNECTION, "CloseConnection once idle");
            check(r.next() == null, "then an orderly end of stream");
        }
        ORB c = ORB.init(new String[0], null);
        ObjectImpl ref = (ObjectImpl) c.string_to_object(ior);
        check(Echo.add(ref, 1, 2) == 3, "a first call");
        while (((vemo.harl.orb.FullORB) s).serverConnections() > 0) Thread.onSpinWait();
        check(Echo.add(ref, 3, 4) == 7, "a call after the idle connection was closed");
        c.destroy();
        s.destroy();
    }

    // Concurrent first calls on a new connection: the first request the
    // server reads carries the code sets, whichever thread wins.
    static void codeSetsOnConcurrentFirstCalls() throws Exception {
        for (int round = 0; round < 20; round++) {
            OldServer srv = new OldServer(2);
            Thread t = new Thread(srv);
            t.setDaemon(true);
            t.start();
            ORB c = ORB.init(new String[0], null);
            ObjectImpl ref = refTo(c, srv, 2);
            CountDownLatch go = new CountDownLatch(1);
            List<Thread> callers = new ArrayList<>();
            for (int k = 0; k < 8; k++) {
                Thread th = new Thread(() -> {
                    try {
                        go.await();
                        Echo.echo(ref, "x");
                    } catch (Exception | Error e) {
                        check(false, "a first call: " + e);
                    }
                });
                th.start();
                callers.add(th);
            }
            go.countDown();
            for (Thread th : callers) th.join();
            check(srv.codeSets.size() == 8 && srv.codeSets.get(0),
                  "the first request read carries the code sets: " + srv.codeSets);
            c.destroy();
            srv.ss.close();
        }
    }

    // The standard minor codes of the failures raised most.
    static void minorCodes() throws Exception {
        int omg = 0x4f4d0000;
        ORB s = server();
        Echo e = new Echo();
        s.connect(e);
        String ior = s.object_to_string(e);
        ORB c = ORB.init(new String[0], null);
        ObjectImpl ref = (ObjectImpl) c.string_to_object(ior);
        OperationDescriptor nope = new OperationDescriptor("nope", new int[0], new Class[0], new String[0],
                                                           new Class[0], false);
        int port;
        try (ServerSocket free = new ServerSocket(0, 1, java.net.InetAddress.getByName("127.0.0.1"))) {
            port = free.getLocalPort();
        }
        ObjectImpl nowhere = (ObjectImpl) c.string_to_object("corbaloc:iiop:127.0.0.1:" + port + "/x");
        Object[][] rows = {
            {"an unknown operation", (Case) () -> ref._invoke(nope, new long[0], new Object[0]),
             org.omg.CORBA.BAD_OPERATION.class, omg | 2},
            {"nothing listening", (Case) () -> Echo.add(nowhere, 1, 1), org.omg.CORBA.TRANSIENT.class, omg | 2},
            {"a destroyed ORB", (Case) () -> {
                c.destroy();
                Echo.add(ref, 1, 1);
            }, org.omg.CORBA.BAD_INV_ORDER.class, omg | 4},
        };
        for (Object[] row : rows) {
            try {
                ((Case) row[1]).run();
                check(false, row[0] + " raises " + row[2]);
            } catch (SystemException x) {
                check(((Class<?>) row[2]).isInstance(x) && x.minor == (int) row[3],
                      row[0] + ": " + x + ", minor 0x" + Integer.toHexString(x.minor));
            }
        }
        s.destroy();
    }

    public static void main(String[] args) throws Exception {
        Object[][] cases = {
            {"shutdown waits for replies", (Case) Closing::shutdownWaitsForReplies},
            {"shutdown inside a collocated call", (Case) Closing::collocatedShutdown},
            {"unknown code set", (Case) Closing::unknownCodeSet},
            {"CancelRequest version", (Case) Closing::cancelAtRequestVersion},
            {"reply cut off midway", (Case) Closing::cutReply},
            {"interrupted call", (Case) Closing::interruptedCall},
            {"interrupted sender", (Case) Closing::interruptedSender},
            {"reissue after CloseConnection", (Case) Closing::reissue},
            {"code sets after GIOP 1.0", (Case) Closing::codeSetsAfterGiop10},
            {"idle connection closed", (Case) Closing::idleClose},
            {"standard minor codes", (Case) Closing::minorCodes},
            {"code sets on concurrent first calls", (Case) Closing::codeSetsOnConcurrentFirstCalls},
        };
        runAll(cases, "closing and protocol cases pass");
    }
}

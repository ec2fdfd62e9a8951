import java.io.IOException;
import java.io.InputStream;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;

import org.omg.CORBA.ORB;
import org.omg.CORBA.StructMember;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OutputStream;

import vemo.harl.giop.Codec;
import vemo.harl.giop.Giop;
import vemo.harl.giop.Message;
import vemo.harl.ior.IOR;
import vemo.harl.orb.FullORB;

// The server's bounds, each pushed against by a hostile peer on a raw
// socket while a well-behaved client is still answered, one case per row:
//  - threads: pipelined slow calls do not make a thread each beyond
//    maxThreads;
//  - a type code whose members repeat by indirection, describing a value
//    of no octets that takes 2^40 steps to walk, is refused with MARSHAL;
//  - unanswered octets: requests whose replies are never read, and a
//    fragmented request that never ends, hold no more than maxPending
//    (the server stops reading them) until the connection is given up;
//  - connections: at maxConnections a new one displaces the one idle the
//    longest, which is told CloseConnection;
//  - a reader slower than the reply timeout but making progress gets its
//    whole reply.
public class Bounds extends Cases {
    static final class Server {
        final FullORB orb;
        final String ior;
        final IOR.IIOPProfile profile;

        Server(String... settings) {
            Properties p = new Properties();
            p.setProperty("vemo.harl.host", "127.0.0.1");
            for (int i = 0; i + 1 < settings.length; i += 2) p.setProperty("vemo.harl." + settings[i], settings[i + 1]);
            orb = (FullORB) ORB.init(new String[0], p);
            Echo e = new Echo();
            orb.connect(e);
            ior = orb.object_to_string(e);
            profile = IOR.parse(ior).iiop();
        }

        Socket raw() throws IOException {
            Socket so = new Socket();
            so.connect(new InetSocketAddress("127.0.0.1", profile.port));
            return so;
        }
    }

    // A well-behaved client's call.
    static void wellBehaved(Server s, String what) {
        ORB c = ORB.init(new String[0], null);
        try {
            ObjectImpl ref = (ObjectImpl) c.string_to_object(s.ior);
            check(Echo.add(ref, 40, 2) == 42, what + ": a well-behaved client is answered");
        } catch (org.omg.CORBA.SystemException e) {
            check(false, what + ": a well-behaved client's call failed: " + e);
        } finally {
            c.destroy();
        }
    }

    static byte[] request(ORB orb, int id, byte[] key, org.omg.CORBA.portable.OperationDescriptor op, long[] n,
                          Object[] o) {
        OutputStream out = Codec.request(orb, 2, false, id, true, key, op.name, Codec.NONE);
        Codec.beginBody(out, 2);
        vemo.harl.giop.Arguments.writeRequest(out, op, n, o);
        return Codec.finish(out, false);
    }

    // Writes messages on a thread of its own until done or the server
    // gives the connection up.
    static Thread push(Socket so, List<byte[]> messages) {
        Thread t = new Thread(() -> {
            try {
                for (byte[] m : messages) so.getOutputStream().write(m);
            } catch (IOException given) {
                // the server closed the connection
            }
        });
        t.start();
        return t;
    }

    // The server threads alive: this case runs first, so all are of its
    // server.
    static int dispatchThreads() {
        int n = 0;
        for (Thread t : Thread.getAllStackTraces().keySet()) {
            if (t.isAlive() && t.getName().startsWith("vemo.harl dispatch ")) n++;
        }
        return n;
    }

    static void threads() throws Exception {
        Server s = new Server("maxThreads", "4", "threads", "2");
        ORB c = ORB.init(new String[0], null);
        ObjectImpl ref = (ObjectImpl) c.string_to_object(s.ior);
        check(Echo.add(ref, 1, 1) == 2, "a first call");
        List<byte[]> slow = new ArrayList<>();
        for (int i = 0; i < 8; i++)
            slow.add(request(s.orb, i + 1, s.profile.key(), Echo.SLEEP, new long[] {150}, new Object[1]));
        try (Socket hostile = s.raw()) {
            push(hostile, slow).join();
            check(Echo.add(ref, 40, 2) == 42, "the first client is answered while 8 slow calls queue");
            Giop.Reader r = new Giop.Reader(hostile.getInputStream(), 1 << 20);
            for (int i = 0; i < 8; i++) check(r.next() != null, "a slow call's reply");
        }
        int n = dispatchThreads();
        check(n <= 4, "at most maxThreads server threads (" + n + ")");
        c.destroy();
        s.orb.destroy();
    }

    // A struct of two members of the same struct type, forty times over,
    // around an empty struct: written with indirections it takes a few
    // hundred octets, and its value none at all.
    static TypeCode bomb(int levels) {
        ORB f = ORB.init();
        TypeCode t = f.create_struct_tc("IDL:bomb/S0:1.0", "S0", new StructMember[0]);
        for (int i = 1; i <= levels; i++) {
            t = f.create_struct_tc("IDL:bomb/S" + i + ":1.0", "S" + i,
                                   new StructMember[] {new StructMember("a", t, null), new StructMember("b", t, null)});
        }
        return t;
    }

    static void indirectionBomb() throws Exception {
        Server s = new Server();
        OutputStream out = Codec.request(s.orb, 2, false, 7, true, s.profile.key(), "any", Codec.NONE);
        Codec.beginBody(out, 2);
        out.write_TypeCode(bomb(40));
        byte[] m = Codec.finish(out, false);
        check(m.length < 4096, "the bomb is small (" + m.length + " octets)");
        try (Socket so = s.raw()) {
            so.getOutputStream().write(m);
            Message reply = new Giop.Reader(so.getInputStream(), 1 << 20).next();
            Codec.ReplyIn r = Codec.readReply(null, reply);
            check(r.status == Giop.SYSTEM_EXCEPTION && r.body.read_string().equals("IDL:omg.org/CORBA/MARSHAL:1.0"),
                  "a value of 2^40 steps in no octets is MARSHAL");
        }
        wellBehaved(s, "after the bomb");
        s.orb.destroy();
    }

    // Requests of 1 MiB whose replies are never read: the server reads
    // no more than maxPending of them, gives the connection up when its
    // writes stall, and answers the well-behaved client.
    static void unreadReplies() throws Exception {
        long limit = 3 << 20;
        Server s = new Server("maxPending", Long.toString(limit), "replyTimeout", "1000");
        byte[] mib = new byte[1 << 20];
        List<byte[]> big = new ArrayList<>();
        for (int i = 0; i < 24; i++)
            big.add(request(s.orb, i + 1, s.profile.key(), Echo.BLOB, new long[2],
                            new Object[] {new Echo.OctetsHolder(), new Echo.OctetsHolder(mib)}));
        try (Socket hostile = s.raw()) {
            hostile.setReceiveBufferSize(4096);
            Thread t = push(hostile, big);
            while (s.orb.pendingOctets() < 2 * mib.length) Thread.onSpinWait();
            wellBehaved(s, "unread replies");
            t.join();
        }
        check(s.orb.peakPendingOctets() <= limit,
              "unanswered octets stayed within " + limit + " (peak " + s.orb.peakPendingOctets() + ")");
        s.orb.destroy();
    }

    // A fragmented request whose fragments never end.
    static void fragmentFlood() throws Exception {
        long limit = 3 << 20;
        Server s = new Server("maxPending", Long.toString(limit), "idleTimeout", "300", "replyTimeout", "1000");
        List<byte[]> parts = new ArrayList<>();
        byte[] first = request(s.orb, 9, s.profile.key(), Echo.ECHO, new long[2], new Object[] {null, "x"});
        first[6] |= 2;
        parts.add(first);
        int chunk = 256 << 10;
        for (int i = 0; i < 48; i++) {
            byte[] f = new byte[16 + chunk];
            System.arraycopy(Giop.bare(Giop.FRAGMENT, 2), 0, f, 0, 12);
            f[6] = 2;
            Giop.putInt(f, 8, 4 + chunk, false);
            Giop.putInt(f, 12, 9, false);
            parts.add(f);
        }
        try (Socket hostile = s.raw()) {
            Thread t = push(hostile, parts);
            while (s.orb.pendingOctets() < 2 * chunk) Thread.onSpinWait();
            wellBehaved(s, "fragment flood");
            t.join();
        }
        check(s.orb.peakPendingOctets() <= limit,
              "fragments held stayed within " + limit + " (peak " + s.orb.peakPendingOctets() + ")");
        s.orb.destroy();
    }

    static void connections() throws Exception {
        Server s = new Server("maxConnections", "3");
        List<Socket> idle = new ArrayList<>();
        List<Giop.Reader> readers = new ArrayList<>();
        for (int i = 0; i < 3; i++) {
            Socket so = s.raw();
            so.getOutputStream().write(Codec.locateRequest(s.orb, 2, false, i + 1, s.profile.key()));
            Giop.Reader r = new Giop.Reader(so.getInputStream(), 1 << 20);
            check(r.next() != null, "connection " + i + " answered");
            idle.add(so);
            readers.add(r);
        }
        wellBehaved(s, "at maxConnections");
        Message m = readers.get(0).next();
        check(m != null && m.type == Giop.CLOSE_CONNECTION, "the connection idle the longest is told CloseConnection");
        check(readers.get(0).next() == null, "and then closed in order");
        for (Socket so : idle) so.close();
        s.orb.destroy();
    }

    static void slowReader() throws Exception {
        // The write's progress shows each time the kernel takes a share of
        // its send buffer (about a megabyte here): the limit is three
        // seconds, the reader takes a megabyte in a fifth of one and the
        // whole reply in about four.
        Server s = new Server("replyTimeout", "3000");
        int size = 24 << 20;
        byte[] blob = new byte[size];
        byte[] q = request(s.orb, 1, s.profile.key(), Echo.BLOB, new long[2],
                           new Object[] {new Echo.OctetsHolder(), new Echo.OctetsHolder(blob)});
        Socket so = new Socket();
        so.setReceiveBufferSize(64 << 10);
        so.connect(new InetSocketAddress("127.0.0.1", s.profile.port));
        try (so) {
            so.getOutputStream().write(q);
            InputStream in = so.getInputStream();
            byte[] buf = new byte[64 << 10];
            long total = 0;
            int r;
            // at most 64 KiB each 10 ms, always moving on
            while (total < 12 + size && (r = in.read(buf)) > 0) {
                total += r;
                Thread.sleep(10);
            }
            check(total >= 12 + size, "a slow reader gets the whole reply (" + total + " octets)");
        }
        s.orb.destroy();
    }

    public static void main(String[] args) throws Exception {
        Object[][] cases = {
            {"threads", (Case) Bounds::threads},
            {"indirection bomb", (Case) Bounds::indirectionBomb},
            {"unread replies", (Case) Bounds::unreadReplies},
            {"fragment flood", (Case) Bounds::fragmentFlood},
            {"connections", (Case) Bounds::connections},
            {"slow reader", (Case) Bounds::slowReader},
        };
        runAll(cases, "the server's bounds hold");
    }
}

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.InetSocketAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import java.util.Random;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OutputStream;

import vemo.harl.giop.Arguments;
import vemo.harl.giop.Cdr;
import vemo.harl.giop.Codec;
import vemo.harl.giop.Giop;
import vemo.harl.giop.Message;
import vemo.harl.giop.ProtocolError;
import vemo.harl.ior.Encaps;
import vemo.harl.ior.IOR;

// A seeded random-mutation test of the GIOP readers.  Real messages are
// recorded by marshalling them with the runtime itself (requests, locate
// and cancel requests, replies of every status, in GIOP 1.0 to 1.2 and
// both byte orders, requests carrying value types (chunked, truncated to
// a base, indirections to values and to identifiers, a cycle, a value
// inside skipped state named again after it) bare and in anys and a
// fixed-point number in an any, one carrying a TypeCode nested far too deep, one an
// any whose type code repeats its members by indirection, one naming a
// code set the server cannot convert, and requests in fragments, whole or
// flooding on without end); each case
// mutates one (flipped octets, truncation, sizes beyond the message, long
// lengths inside the body, misalignment, unknown types and versions,
// stray fragments) and feeds it
//  - to a live server's socket: the server answers with a reply, a locate
//    reply or MessageError, or closes; it never hangs, and a normal call
//    still works afterwards;
//  - to a client as the reply to its call (values among them): the call
//    returns or raises a system exception within its timeout, nothing else.
// No thread may die of an escaped exception, and reading a message that
// announces far more than arrives allocates no more than what arrived.
//
//   GiopFuzz [seed] [cases]        GiopFuzz --seconds N [seed]
public class GiopFuzz {
    static int failures;
    static final List<String> escaped = new ArrayList<>();

    static void fail(String what) {
        System.out.println("FAILED: " + what);
        failures++;
    }

    static final String OBJECT_ID = "IDL:test/Echo:1.0";

    // A TypeCode nested depth sequences deep, as raw CDR octets.
    static byte[] deepTypeCode(int depth) {
        byte[] tc = new Encaps.Writer().ulong(3).toByteArray();
        tc = java.util.Arrays.copyOfRange(tc, 4, 8); // tk_long without the byte-order octet
        for (int i = 0; i < depth; i++) {
            Encaps.Writer e = new Encaps.Writer();
            e.octet(0).octet(0).octet(0).raw(tc).ulong(0);
            byte[] enc = e.toByteArray();
            ByteArrayOutputStream b = new ByteArrayOutputStream();
            b.write(new byte[] {0, 0, 0, 19}, 0, 4);
            b.write(new byte[] {(byte) (enc.length >>> 24), (byte) (enc.length >>> 16), (byte) (enc.length >>> 8),
                                (byte) enc.length}, 0, 4);
            b.write(enc, 0, enc.length);
            tc = b.toByteArray();
        }
        return tc;
    }

    static byte[] request(ORB orb, int minor, boolean little, int id, byte[] key,
                          org.omg.CORBA.portable.OperationDescriptor op, long[] n, Object[] o) {
        List<Codec.ServiceContext> ctxs = new ArrayList<>();
        if (minor > 0) ctxs.add(Codec.codeSets(IOR.UTF_8, IOR.UTF_16));
        OutputStream out = Codec.request(orb, minor, little, id, !op.oneway, key, op.name, ctxs);
        Codec.beginBody(out, minor);
        Arguments.writeRequest(out, op, n, o);
        return Codec.finish(out, little);
    }

    static List<byte[]> requests(ORB orb, byte[] key) {
        List<byte[]> v = new ArrayList<>();
        int id = 1;
        for (int minor = 0; minor <= 2; minor++) {
            for (boolean little : new boolean[] {false, true}) {
                v.add(request(orb, minor, little, id++, key, Echo.ECHO, new long[2], new Object[] {null, "hello, fuzz"}));
                v.add(request(orb, minor, little, id++, key, Echo.ADD, new long[] {0, 1L << 40, 5}, new Object[3]));
                v.add(request(orb, minor, little, id++, key, Echo.DESCRIBE, new long[2], new Object[] {null,
                      ORB.init().create_struct_tc("IDL:x/S:1.0", "S", new org.omg.CORBA.StructMember[] {
                          new org.omg.CORBA.StructMember("a", ORB.init().create_sequence_tc(3,
                              ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string)), null)})}));
                v.add(request(orb, minor, little, id++, key, Echo.BLOB, new long[2],
                              new Object[] {new Echo.OctetsHolder(), new Echo.OctetsHolder(new byte[77])}));
                byte[] pack = request(orb, minor, little, id++, key, Echo.VALUES, new long[2], new Object[] {
                    new FuzzValues.PackHolder(), new FuzzValues.PackHolder(FuzzValues.Pack.make())});
                values.add(pack);
                v.add(pack);
                for (org.omg.CORBA.Any a : FuzzValues.anys(orb))
                    v.add(request(orb, minor, little, id++, key, Echo.ANY, new long[2], new Object[] {null, a}));
                v.add(Codec.locateRequest(orb, minor, little, id++, key));
                v.add(Codec.cancelRequest(orb, minor, little, id++));
                // the deep TypeCode, written raw (big-endian) after the header
                if (little) continue;
                OutputStream out = Codec.request(orb, minor, little, id++, true, key, "describe", Codec.NONE);
                Codec.beginBody(out, minor);
                Cdr.align(out, 4);
                byte[] deep = deepTypeCode(400);
                out.write_octet_array(deep, 0, deep.length);
                v.add(expect(Codec.finish(out, little), "MARSHAL"));
                if (minor == 0) continue;
                // an any whose type code repeats its members by indirection:
                // no octets of value, 2^40 steps to walk
                out = Codec.request(orb, minor, little, id++, true, key, "any", Codec.NONE);
                Codec.beginBody(out, minor);
                out.write_TypeCode(Bounds.bomb(40));
                v.add(expect(Codec.finish(out, little), "MARSHAL"));
                // a code set the server cannot convert
                List<Codec.ServiceContext> latin2 = new ArrayList<>();
                latin2.add(Codec.codeSets(0x00010002, IOR.UTF_16));
                out = Codec.request(orb, minor, little, id++, true, key, "echo", latin2);
                Codec.beginBody(out, minor);
                out.write_string("latin-2");
                v.add(expect(Codec.finish(out, little), "CODESET_INCOMPATIBLE"));
                // a request in fragments, whole, and one whose fragments
                // flood on without end
                byte[] whole = request(orb, minor, little, id++, key, Echo.BLOB, new long[2],
                                       new Object[] {new Echo.OctetsHolder(), new Echo.OctetsHolder(new byte[3000])});
                v.add(fragmented(whole, minor, little, 1024, false));
                v.add(expect(fragmented(whole, minor, little, 1024, true), "none"));
            }
        }
        return v;
    }

    // The reply each recorded request expects other than a normal one: the
    // system exception's name, or "none" for no answer but a close.
    static final java.util.Map<byte[], String> expected = new java.util.IdentityHashMap<>();

    // The recorded requests of the values operation, whose answers are read.
    static final java.util.Set<byte[]> values =
        java.util.Collections.newSetFromMap(new java.util.IdentityHashMap<>());

    static byte[] expect(byte[] m, String exception) {
        expected.put(m, exception);
        return m;
    }

    // A message cut into fragments of `chunk` octets (1.2 fragments carry
    // the request id); flood: the last fragment announces more, and then
    // fragments of zeros follow, two hundred of them.
    static byte[] fragmented(byte[] whole, int minor, boolean little, int chunk, boolean flood) {
        ByteArrayOutputStream wire = new ByteArrayOutputStream();
        int head = minor == 2 ? 16 : 12;
        int firstLen = Math.min(whole.length, 24 + chunk);
        byte[] first = java.util.Arrays.copyOf(whole, firstLen);
        first[6] |= 2;
        Giop.putInt(first, 8, firstLen - 12, little);
        wire.write(first, 0, first.length);
        int id = Giop.getInt(whole, 12, little);
        int at = firstLen;
        int count = 0;
        while (at < whole.length || (flood && count < 200)) {
            int n = at < whole.length ? Math.min(chunk, whole.length - at) : chunk;
            byte[] f = new byte[head + n];
            System.arraycopy(Giop.bare(Giop.FRAGMENT, minor), 0, f, 0, 12);
            boolean last = at + n >= whole.length && !flood;
            f[6] = (byte) ((little ? 1 : 0) | (last ? 0 : 2));
            Giop.putInt(f, 8, f.length - 12, little);
            if (minor == 2) Giop.putInt(f, 12, id, little);
            if (at < whole.length) System.arraycopy(whole, at, f, head, n);
            wire.write(f, 0, f.length);
            at += n;
            count++;
        }
        return wire.toByteArray();
    }

    // The replies that answer the values call rather than echo.
    static final java.util.Set<byte[]> valueReplies =
        java.util.Collections.newSetFromMap(new java.util.IdentityHashMap<>());

    // Replies to the echo call (or to the values call), the request id
    // patched in per case.
    static List<byte[]> replies(ORB orb, int fakePort) {
        List<byte[]> v = new ArrayList<>();
        for (int minor = 0; minor <= 2; minor++) {
            for (boolean little : new boolean[] {false, true}) {
                OutputStream out = Codec.reply(orb, minor, little, 0, Giop.NO_EXCEPTION, Codec.NONE);
                Codec.beginBody(out, minor);
                out.write_string("an answer");
                v.add(Codec.finish(out, little));
                out = Codec.reply(orb, minor, little, 0, Giop.USER_EXCEPTION, Codec.NONE);
                Codec.beginBody(out, minor);
                out.write_string("IDL:test/Oops:1.0");
                out.write_long(5);
                v.add(Codec.finish(out, little));
                v.add(Codec.systemExceptionReply(orb, minor, little, 0, "IDL:omg.org/CORBA/NO_MEMORY:1.0", 3, 1));
                out = Codec.reply(orb, minor, little, 0, Giop.LOCATION_FORWARD, Codec.NONE);
                Codec.beginBody(out, minor);
                vemo.harl.ior.ObjectRefs.writeIOR(out, IOR.make(OBJECT_ID, "127.0.0.1", fakePort, new byte[] {1}, minor));
                v.add(Codec.finish(out, little));
                v.add(Codec.locateReply(orb, minor, little, 0, Giop.OBJECT_HERE, null));
                // the answer to the values call: a Pack
                out = Codec.reply(orb, minor, little, 0, Giop.NO_EXCEPTION, Codec.NONE);
                Codec.beginBody(out, minor);
                FuzzValues.Pack.make().write(out);
                byte[] pack = Codec.finish(out, little);
                valueReplies.add(pack);
                v.add(pack);
            }
        }
        v.add(Giop.bare(Giop.MESSAGE_ERROR, 2));
        v.add(Giop.bare(Giop.CLOSE_CONNECTION, 1));
        return v;
    }

    static boolean little(byte[] m) {
        return m.length > 6 && (m[6] & 1) != 0;
    }

    static void putSize(byte[] m, int size) {
        Giop.putInt(m, 8, size, little(m));
    }

    static byte[] mutate(byte[] m, Random r) {
        byte[] b = m.clone();
        switch (r.nextInt(12)) {
            case 0: case 1: { // flip octets
                int k = 1 + r.nextInt(4);
                for (int i = 0; i < k; i++) b[r.nextInt(b.length)] ^= (byte) (1 + r.nextInt(255));
                return b;
            }
            case 2: // truncated
                return java.util.Arrays.copyOf(b, r.nextInt(b.length));
            case 3: // size beyond the message, up to enormous
                putSize(b, r.nextBoolean() ? b.length + r.nextInt(1 << 20) : r.nextInt());
                return b;
            case 4: // size short of the message: the rest reads as a header
                putSize(b, Math.max(0, b.length - 12 - 1 - r.nextInt(Math.max(1, b.length - 12))));
                return b;
            case 5: { // a long length somewhere in the body
                if (b.length < 20) return b;
                int at = 12 + 4 * r.nextInt((b.length - 12) / 4);
                int v = r.nextBoolean() ? 0x7FFFFFF0 : b.length + r.nextInt(1000);
                if (at + 4 <= b.length) Giop.putInt(b, at, v, little(b));
                return b;
            }
            case 6: // unknown type
                b[7] = (byte) (8 + r.nextInt(248));
                return b;
            case 7: // bad version or magic
                if (r.nextBoolean()) b[4] = (byte) (2 + r.nextInt(5)); else b[5] = (byte) (3 + r.nextInt(9));
                if (r.nextInt(4) == 0) b[r.nextInt(4)] = 'X';
                return b;
            case 8: { // misaligned: octets slipped in after the header
                int k = 1 + r.nextInt(3);
                byte[] c = new byte[b.length + k];
                System.arraycopy(b, 0, c, 0, 12);
                System.arraycopy(b, 12, c, 12 + k, b.length - 12);
                putSize(c, c.length - 12);
                return c;
            }
            case 9: { // garbage behind the message
                byte[] c = java.util.Arrays.copyOf(b, b.length + 1 + r.nextInt(64));
                for (int i = b.length; i < c.length; i++) c[i] = (byte) r.nextInt();
                return c;
            }
            case 10: // more fragments announced, or a stray fragment
                if (r.nextBoolean()) b[6] |= 2; else b[7] = Giop.FRAGMENT;
                return b;
            default: // unchanged
                return b;
        }
    }

    // Sends one message to the server and reads what comes back until the
    // server closes; false when it hangs or answers with something odd.
    static String feedServer(int port, byte[] msg) {
        try (Socket s = new Socket()) {
            s.connect(new InetSocketAddress("127.0.0.1", port), 5000);
            s.setSoTimeout(10000);
            try {
                s.getOutputStream().write(msg);
                s.getOutputStream().flush();
                s.shutdownOutput();
            } catch (IOException closed) {
                return null; // the server closed before taking it all
            }
            Giop.Reader reader = new Giop.Reader(s.getInputStream(), 1 << 20);
            while (true) {
                Message m;
                try {
                    m = reader.next();
                } catch (ProtocolError e) {
                    return "the server sent a malformed message: " + e.getMessage();
                } catch (SocketTimeoutException e) {
                    return "the server neither answered nor closed";
                } catch (IOException e) {
                    return null; // reset or closed inside a message: closed
                }
                if (m == null) return null;
                if (m.type != Giop.REPLY && m.type != Giop.LOCATE_REPLY && m.type != Giop.MESSAGE_ERROR
                    && m.type != Giop.CLOSE_CONNECTION)
                    return "the server sent message type " + m.type;
            }
        } catch (IOException e) {
            return "cannot talk to the server: " + e;
        }
    }

    // A server that answers each connection's first request with the next
    // prepared reply and closes.
    static final class FakeServer implements Runnable {
        final ServerSocket ss;
        volatile byte[] next;

        FakeServer() throws IOException {
            ss = new ServerSocket();
            ss.bind(new InetSocketAddress("127.0.0.1", 0));
        }

        public void run() {
            while (!ss.isClosed()) {
                try (Socket s = ss.accept()) {
                    s.setSoTimeout(5000);
                    Giop.Reader reader = new Giop.Reader(s.getInputStream(), 1 << 20);
                    Message req = reader.next();
                    if (req == null) continue;
                    int id = Codec.replyRequestId(null, req); // same position as in a reply
                    byte[] reply = next.clone();
                    boolean le = little(reply);
                    int type = reply[7];
                    if (reply.length >= 20 && (type == Giop.REPLY || type == Giop.LOCATE_REPLY)) {
                        if (reply[5] >= 2 || type == Giop.LOCATE_REPLY) Giop.putInt(reply, 12, id, le);
                        else Giop.putInt(reply, 16, id, le); // after an empty context list
                    }
                    s.getOutputStream().write(mutate(reply, rnd));
                    s.getOutputStream().flush();
                    s.shutdownOutput();
                    InputStream in = s.getInputStream();
                    while (in.read() >= 0) {
                        // until the client lets go
                    }
                } catch (Exception e) {
                    // the next connection
                }
            }
        }

        Random rnd;
    }

    // Reading a message that announces far more than arrives allocates
    // about what arrived, not what was announced.
    static void allocation() {
        byte[] msg = new byte[12 + 1000];
        System.arraycopy(Giop.bare(Giop.REQUEST, 2), 0, msg, 0, 12);
        Giop.putInt(msg, 8, 60 << 20, false);
        com.sun.management.ThreadMXBean mx = (com.sun.management.ThreadMXBean)
            java.lang.management.ManagementFactory.getThreadMXBean();
        long tid = Thread.currentThread().getId();
        long before = mx.getThreadAllocatedBytes(tid);
        try {
            new Giop.Reader(new ByteArrayInputStream(msg), 64 << 20).next();
            fail("a message cut short was read");
        } catch (IOException | ProtocolError expected) {
            // expected
        }
        long used = mx.getThreadAllocatedBytes(tid) - before;
        if (used > 256 * 1024) fail("reading 1 KB of a 60 MB message allocated " + used + " octets");
        // And the limit refuses before reading.
        Giop.putInt(msg, 8, 65 << 20, false);
        try {
            new Giop.Reader(new ByteArrayInputStream(msg), 64 << 20).next();
            fail("a message over the limit was read");
        } catch (ProtocolError expected) {
            // expected
        } catch (IOException e) {
            fail("a message over the limit gave " + e);
        }
    }

    // The recorded requests as they are: each answered normally, the one
    // with the deep TypeCode with MARSHAL.
    static void recorded(int port, List<byte[]> reqs) throws IOException {
        for (int i = 0; i < reqs.size(); i++) {
            byte[] q = reqs.get(i);
            if (q[7] == Giop.CANCEL_REQUEST) continue;
            String want = expected.get(q);
            try (Socket s = new Socket("127.0.0.1", port)) {
                s.setSoTimeout(10000);
                s.getOutputStream().write(q);
                s.shutdownOutput();
                Message m = new Giop.Reader(s.getInputStream(), 1 << 20).next();
                boolean deep = want != null;
                if ("none".equals(want)) {
                    if (m != null) fail("recorded message " + i + ": an unfinished message answered");
                } else if (m == null) {
                    fail("recorded message " + i + " got no answer");
                } else if (m.type == Giop.LOCATE_REPLY) {
                    Codec.LocateReplyIn l = Codec.readLocateReply(null, m);
                    if (l.status != Giop.OBJECT_HERE) fail("recorded locate request " + i + ": status " + l.status);
                } else if (m.type != Giop.REPLY) {
                    fail("recorded message " + i + " answered with type " + m.type);
                } else {
                    Codec.ReplyIn rep = Codec.readReply(null, m);
                    int status = deep ? Giop.SYSTEM_EXCEPTION : Giop.NO_EXCEPTION;
                    if (rep.status != status) fail("recorded message " + i + ": reply status " + rep.status);
                    if (!deep && values.contains(q)) {
                        FuzzValues.PackHolder back = new FuzzValues.PackHolder();
                        back.__read(rep.body);
                        String wrong = back.value.check();
                        if (wrong != null) fail("recorded message " + i + ": the values answered: " + wrong);
                    }
                    if (deep && !rep.body.read_string().equals("IDL:omg.org/CORBA/" + want + ":1.0"))
                        fail("recorded message " + i + " is not " + want);
                }
            } catch (ProtocolError e) {
                fail("recorded message " + i + ": " + e.getMessage());
            }
        }
    }

    // A 1.2 reply cut into fragments the way a peer may send a large one
    // (every part but the last a multiple of 8 octets, each continuation
    // a Fragment carrying the request id), interleaved with another
    // message, reads back as the whole message.
    static void fragments(ORB orb) throws IOException, ProtocolError {
        OutputStream out = Codec.reply(orb, 2, true, 77, Giop.NO_EXCEPTION, Codec.NONE);
        Codec.beginBody(out, 2);
        byte[] blob = new byte[50000];
        new Random(3).nextBytes(blob);
        out.write_ulong(blob.length);
        out.write_octet_array(blob, 0, blob.length);
        byte[] whole = Codec.finish(out, true);
        ByteArrayOutputStream wire = new ByteArrayOutputStream();
        int chunk = 8192;
        byte[] first = java.util.Arrays.copyOf(whole, 16 + chunk);
        first[6] |= 2;
        Giop.putInt(first, 8, first.length - 12, true);
        wire.write(first);
        int at = first.length;
        boolean other = false;
        while (at < whole.length) {
            if (!other) {
                wire.write(Codec.locateReply(orb, 2, false, 5, Giop.OBJECT_HERE, null));
                other = true;
            }
            int n = Math.min(chunk, whole.length - at);
            byte[] f = new byte[16 + n];
            System.arraycopy(Giop.bare(Giop.FRAGMENT, 2), 0, f, 0, 12);
            f[6] = (byte) (1 | (at + n < whole.length ? 2 : 0));
            Giop.putInt(f, 8, 4 + n, true);
            Giop.putInt(f, 12, 77, true);
            System.arraycopy(whole, at, f, 16, n);
            wire.write(f);
            at += n;
        }
        Giop.Reader r = new Giop.Reader(new ByteArrayInputStream(wire.toByteArray()), 1 << 20);
        Message m1 = r.next();
        Message m2 = r.next();
        if (m1 == null || m1.type != Giop.LOCATE_REPLY) fail("the message between fragments");
        if (m2 == null || m2.type != Giop.REPLY || m2.length != whole.length
            || !java.util.Arrays.equals(java.util.Arrays.copyOfRange(m2.buf, 12, m2.length),
                                        java.util.Arrays.copyOfRange(whole, 12, whole.length))) {
            fail("a fragmented reply put back together");
        } else {
            Codec.ReplyIn rep = Codec.readReply(orb, m2);
            byte[] got = Codec.readOctets(rep.body);
            if (rep.requestId != 77 || !java.util.Arrays.equals(got, blob)) fail("the fragmented reply's body");
        }
        if (r.next() != null) fail("octets after the fragments");
    }

    static final Thread mainThread = Thread.currentThread();

    public static void main(String[] args) throws Exception {
        long seed = 20261209L;
        int cases = 3000;
        long seconds = 0;
        int a = 0;
        if (args.length > 1 && args[0].equals("--seconds")) {
            seconds = Long.parseLong(args[1]);
            a = 2;
            cases = Integer.MAX_VALUE;
        }
        if (args.length > a) seed = Long.parseLong(args[a]);
        if (args.length > a + 1) cases = Integer.parseInt(args[a + 1]);
        Thread.setDefaultUncaughtExceptionHandler((t, e) -> {
            synchronized (escaped) {
                escaped.add(t.getName() + ": " + e);
            }
            // (The main thread's own end goes nowhere else.)
            if (t == mainThread) {
                System.out.println("FAILED: " + e);
                e.printStackTrace(System.out);
            }
        });
        allocation();
        fragments(ORB.init());

        Properties sp = new Properties();
        sp.setProperty("vemo.harl.host", "127.0.0.1");
        sp.setProperty("vemo.harl.maxMessage", Integer.toString(1 << 20));
        sp.setProperty("vemo.harl.threads", "4");
        ORB server = ORB.init(new String[0], sp);
        FuzzValues.registerFactories(server);
        Echo servant = new Echo();
        server.connect(servant);
        String ior = server.object_to_string(servant);
        IOR parsed = IOR.parse(ior);
        int port = parsed.iiop().port;
        ORB client = ORB.init(new String[] {"-ORBReplyTimeout", "5000", "-ORBMaxMessage", "1048576"}, null);
        ObjectImpl good = (ObjectImpl) client.string_to_object(ior);

        FakeServer fake = new FakeServer();
        fake.rnd = new Random(seed ^ 0x5DEECE66DL);
        Thread ft = new Thread(fake, "fake server");
        ft.setDaemon(true);
        ft.start();
        ObjectImpl toFake = (ObjectImpl) client.string_to_object(
            IOR.make(OBJECT_ID, "127.0.0.1", fake.ss.getLocalPort(), new byte[] {1}, 2).toString());

        List<byte[]> reqs = requests(server, parsed.iiop().key());
        recorded(port, reqs);
        List<byte[]> reps = replies(server, fake.ss.getLocalPort());
        Random r = new Random(seed);
        long deadline = seconds > 0 ? System.nanoTime() + seconds * 1000000000L : Long.MAX_VALUE;
        int done = 0;
        AtomicInteger odd = new AtomicInteger();
        for (int c = 0; c < cases && System.nanoTime() < deadline && failures < 10; c++, done++) {
            // the server's side
            byte[] msg = mutate(reqs.get(r.nextInt(reqs.size())), r);
            String bad = feedServer(port, msg);
            if (bad != null) fail("case " + c + " (seed " + seed + "): " + bad);
            // the client's side, every fourth case
            if (c % 4 == 0) {
                fake.next = reps.get(r.nextInt(reps.size()));
                long start = System.nanoTime();
                try {
                    if (valueReplies.contains(fake.next)) {
                        Object[] o = {new FuzzValues.PackHolder(), new FuzzValues.PackHolder(FuzzValues.Pack.make())};
                        toFake._invoke(Echo.VALUES, new long[2], o);
                    } else {
                        Echo.echo(toFake, "x");
                    }
                } catch (SystemException e) {
                    // a system exception is an answer
                } catch (RuntimeException e) {
                    fail("case " + c + ": the client call raised " + e);
                }
                long ms = (System.nanoTime() - start) / 1000000;
                if (ms > 8000) fail("case " + c + ": the client waited " + ms + " ms");
            }
            if (c % 100 == 99) {
                try {
                    if (Echo.add(good, c, 1) != c + 1) fail("case " + c + ": a normal call answered wrong");
                } catch (SystemException e) {
                    fail("case " + c + ": a normal call failed: " + e);
                }
            }
        }
        try {
            if (!"still here".equals(Echo.echo(good, "still here"))) fail("the last normal call answered wrong");
        } catch (SystemException e) {
            fail("the last normal call failed: " + e);
        }
        fake.ss.close();
        client.destroy();
        server.destroy();
        synchronized (escaped) {
            for (String e : escaped) fail("a thread died: " + e);
        }
        if (failures > 0) System.exit(1);
        System.out.println(done + " mutated messages (seed " + seed + "): no hang, no escaped exception");
    }
}

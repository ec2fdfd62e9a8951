package vemo.harl.giop;

import java.util.ArrayList;
import java.util.List;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.ORB;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

import vemo.harl.ior.IOR;

// The headers of GIOP messages, 1.0 to 1.2, written into and read from one
// CDR stream per message, so that the body's alignment counts from the
// message's first octet as the protocol wants.  1.2 request and reply
// bodies start on an 8-octet boundary; an empty body carries no padding.
public final class Codec {
    private Codec() { }

    public static final class ServiceContext {
        public final int id;
        public final byte[] data;

        public ServiceContext(int id, byte[] data) {
            this.id = id;
            this.data = data;
        }
    }

    public static final List<ServiceContext> NONE = java.util.Collections.emptyList();

    // The CodeSets context: an encapsulation of the char and wchar sets.
    public static ServiceContext codeSets(int charSet, int wcharSet) {
        byte[] b = new vemo.harl.ior.Encaps.Writer().ulong(charSet).ulong(wcharSet).toByteArray();
        return new ServiceContext(Giop.CODE_SETS, b);
    }

    // The char and wchar sets of a CodeSets context among ctxs, or null.
    public static int[] codeSetsOf(List<ServiceContext> ctxs) {
        for (ServiceContext c : ctxs) {
            if (c.id != Giop.CODE_SETS) continue;
            try {
                vemo.harl.ior.Encaps.Reader r = new vemo.harl.ior.Encaps.Reader(c.data);
                return new int[] {r.ulong(), r.ulong()};
            } catch (MARSHAL e) {
                return null;
            }
        }
        return null;
    }

    // The ExceptionDetailMessage context: the text as a GIOP 1.2 wstring
    // (its length in octets, then UTF-16) in a big-endian encapsulation.
    public static ServiceContext exceptionDetail(String text) {
        byte[] b = new vemo.harl.ior.Encaps.Writer()
            .octets(text.getBytes(java.nio.charset.StandardCharsets.UTF_16BE)).toByteArray();
        return new ServiceContext(Giop.EXCEPTION_DETAIL_MESSAGE, b);
    }

    // The text of an ExceptionDetailMessage context among ctxs, or null
    // (also for one that is not in the form exceptionDetail writes).
    public static String exceptionDetailOf(List<ServiceContext> ctxs) {
        if (ctxs == null) return null;
        for (ServiceContext c : ctxs) {
            if (c.id != Giop.EXCEPTION_DETAIL_MESSAGE) continue;
            try {
                byte[] b = new vemo.harl.ior.Encaps.Reader(c.data).octets();
                if (b.length % 2 != 0) return null;
                boolean bom = b.length >= 2 && (b[0] & 0xFF) == 0xFE && (b[1] & 0xFF) == 0xFF;
                return new String(b, bom ? 2 : 0, b.length - (bom ? 2 : 0), java.nio.charset.StandardCharsets.UTF_16BE);
            } catch (MARSHAL e) {
                return null;
            }
        }
        return null;
    }

    static MARSHAL bad(String why) {
        return new MARSHAL(why, 0, CompletionStatus.COMPLETED_NO);
    }

    public static byte[] readOctets(InputStream in) {
        int n = in.read_ulong();
        if (n < 0 || n > in.available()) throw bad("octet sequence of " + (n & 0xFFFFFFFFL) + " beyond the message");
        byte[] b = new byte[n];
        in.read_octet_array(b, 0, n);
        return b;
    }

    private static void writeOctets(OutputStream out, byte[] b) {
        out.write_ulong(b.length);
        out.write_octet_array(b, 0, b.length);
    }

    private static void writeContexts(OutputStream out, List<ServiceContext> ctxs) {
        out.write_ulong(ctxs.size());
        for (ServiceContext c : ctxs) {
            out.write_ulong(c.id);
            writeOctets(out, c.data);
        }
    }

    private static List<ServiceContext> readContexts(InputStream in) {
        int n = in.read_ulong();
        if (n < 0 || n > in.available() / 8) throw bad("too many service contexts");
        List<ServiceContext> v = new ArrayList<>(n);
        for (int i = 0; i < n; i++) {
            int id = in.read_ulong();
            v.add(new ServiceContext(id, readOctets(in)));
        }
        return v;
    }

    private static OutputStream header(ORB orb, int minor, boolean little, int type) {
        OutputStream out = Cdr.message(orb, minor, little);
        out.write_octet((byte) 'G');
        out.write_octet((byte) 'I');
        out.write_octet((byte) 'O');
        out.write_octet((byte) 'P');
        out.write_octet((byte) 1);
        out.write_octet((byte) minor);
        out.write_octet((byte) (little ? 1 : 0));
        out.write_octet((byte) type);
        out.write_ulong(0); // the size, filled in by finish
        return out;
    }

    // Starts the body of a 1.2 request or reply: 8-aligned.
    public static void beginBody(OutputStream out, int minor) {
        if (minor >= 2) Cdr.align(out, 8);
    }

    // The message octets with the size filled in.
    public static byte[] finish(OutputStream out, boolean little) {
        byte[] b = Cdr.bytes(out);
        Giop.putInt(b, 8, b.length - Giop.HEADER, little);
        Cdr.recycle(((vemo.harl.cdr.CDROutputStream) out).buffer());
        return b;
    }

    // The same, handed out in the stream's own buffer without a copy (the
    // message is its first `length` octets); the stream is done with.
    // Whoever writes the message on the wire may give the buffer back
    // afterwards (Cdr.recycle).
    public static Message finishInPlace(OutputStream out, boolean little) {
        vemo.harl.cdr.CDROutputStream c = (vemo.harl.cdr.CDROutputStream) out;
        int length = c.size();
        byte[] b = c.buffer();
        Giop.putInt(b, 8, length - Giop.HEADER, little);
        return new Message(b[5], little, b[7], b, length);
    }

    // A request header; the caller writes the arguments after beginBody.
    public static OutputStream request(ORB orb, int minor, boolean little, int requestId, boolean response,
                                       byte[] key, String operation, List<ServiceContext> ctxs) {
        OutputStream out = header(orb, minor, little, Giop.REQUEST);
        if (minor <= 1) {
            writeContexts(out, ctxs);
            out.write_ulong(requestId);
            out.write_boolean(response);
            if (minor == 1) {
                out.write_octet((byte) 0);
                out.write_octet((byte) 0);
                out.write_octet((byte) 0);
            }
            writeOctets(out, key);
            out.write_string(operation);
            out.write_ulong(0); // requesting principal: none
        } else {
            out.write_ulong(requestId);
            out.write_octet((byte) (response ? 3 : 0));
            out.write_octet((byte) 0);
            out.write_octet((byte) 0);
            out.write_octet((byte) 0);
            out.write_short(Giop.KEY_ADDR);
            writeOctets(out, key);
            out.write_string(operation);
            writeContexts(out, ctxs);
        }
        return out;
    }

    public static OutputStream reply(ORB orb, int minor, boolean little, int requestId, int status,
                                     List<ServiceContext> ctxs) {
        OutputStream out = header(orb, minor, little, Giop.REPLY);
        if (minor <= 1) {
            writeContexts(out, ctxs);
            out.write_ulong(requestId);
            out.write_ulong(status);
        } else {
            out.write_ulong(requestId);
            out.write_ulong(status);
            writeContexts(out, ctxs);
        }
        return out;
    }

    public static byte[] systemExceptionReply(ORB orb, int minor, boolean little, int requestId, String id,
                                              int minorCode, int completed) {
        return systemExceptionReply(orb, minor, little, requestId, id, minorCode, completed, NONE);
    }

    public static byte[] systemExceptionReply(ORB orb, int minor, boolean little, int requestId, String id,
                                              int minorCode, int completed, List<ServiceContext> ctxs) {
        OutputStream out = reply(orb, minor, little, requestId, Giop.SYSTEM_EXCEPTION, ctxs);
        beginBody(out, minor);
        out.write_string(id);
        out.write_ulong(minorCode);
        out.write_ulong(completed);
        return finish(out, little);
    }

    public static byte[] cancelRequest(ORB orb, int minor, boolean little, int requestId) {
        OutputStream out = header(orb, minor, little, Giop.CANCEL_REQUEST);
        out.write_ulong(requestId);
        return finish(out, little);
    }

    public static byte[] locateRequest(ORB orb, int minor, boolean little, int requestId, byte[] key) {
        OutputStream out = header(orb, minor, little, Giop.LOCATE_REQUEST);
        out.write_ulong(requestId);
        if (minor >= 2) out.write_short(Giop.KEY_ADDR);
        writeOctets(out, key);
        return finish(out, little);
    }

    public static byte[] locateReply(ORB orb, int minor, boolean little, int requestId, int status, IOR forward) {
        OutputStream out = header(orb, minor, little, Giop.LOCATE_REPLY);
        out.write_ulong(requestId);
        out.write_ulong(status);
        if (forward != null) {
            if (minor >= 2) Cdr.align(out, 8);
            vemo.harl.ior.ObjectRefs.writeIOR(out, forward);
        }
        return finish(out, little);
    }

    // An incoming message's stream, past the twelve header octets.
    public static InputStream open(ORB orb, Message m) {
        InputStream in = Cdr.input(orb, m.buf, m.length, m.little, m.minor);
        Cdr.skip(in, Giop.HEADER);
        return in;
    }

    private static void bodyStart(InputStream in, Message m) {
        if (m.minor < 2) return;
        int pos = m.length - in.available();
        int pad = (8 - pos % 8) % 8;
        if (in.available() > 0) {
            if (pad > in.available()) throw bad("body padding beyond the message");
            Cdr.skip(in, pad);
        }
    }

    public static final class RequestIn {
        public int requestId;
        public boolean responseExpected;
        public byte[] key; // null when the target names no key this side can use
        public short addressing;
        public String operation;
        public List<ServiceContext> contexts;
        public InputStream body;
    }

    // Reads a request's header; MARSHAL when it is malformed (requestId is
    // set as soon as it is known, -1 before).
    public static RequestIn readRequest(ORB orb, Message m, RequestIn r) {
        r.requestId = -1;
        InputStream in = open(orb, m);
        if (m.minor <= 1) {
            r.contexts = readContexts(in);
            r.requestId = in.read_ulong();
            r.responseExpected = in.read_boolean();
            if (m.minor == 1) Cdr.skip(in, 3);
            r.key = readOctets(in);
            r.addressing = Giop.KEY_ADDR;
            r.operation = in.read_string();
            readOctets(in); // requesting principal
        } else {
            r.requestId = in.read_ulong();
            int flags = in.read_octet() & 0xFF;
            r.responseExpected = (flags & 3) == 3;
            if ((flags & 3) == 1) r.responseExpected = true;
            Cdr.skip(in, 3);
            readTarget(in, r);
            r.operation = in.read_string();
            r.contexts = readContexts(in);
            bodyStart(in, m);
        }
        r.body = in;
        return r;
    }

    private static void readTarget(InputStream in, RequestIn r) {
        r.addressing = in.read_short();
        switch (r.addressing) {
            case Giop.KEY_ADDR:
                r.key = readOctets(in);
                break;
            case Giop.PROFILE_ADDR: {
                int tag = in.read_ulong();
                byte[] data = readOctets(in);
                r.key = keyOfProfile(tag, data);
                break;
            }
            case Giop.REFERENCE_ADDR: {
                int index = in.read_ulong();
                IOR ior = vemo.harl.ior.ObjectRefs.readIOR(in);
                List<IOR.TaggedProfile> ps = ior.profiles();
                r.key = index >= 0 && index < ps.size() ? keyOfProfile(ps.get(index).tag, ps.get(index).data()) : null;
                break;
            }
            default:
                throw bad("unknown target addressing " + r.addressing);
        }
    }

    private static byte[] keyOfProfile(int tag, byte[] data) {
        if (tag != IOR.TAG_INTERNET_IOP) return null;
        return IOR.IIOPProfile.decode(data).key();
    }

    public static final class LocateIn {
        public int requestId;
        public byte[] key;
    }

    public static LocateIn readLocateRequest(ORB orb, Message m) {
        InputStream in = open(orb, m);
        LocateIn l = new LocateIn();
        l.requestId = in.read_ulong();
        if (m.minor <= 1) {
            l.key = readOctets(in);
        } else {
            RequestIn r = new RequestIn();
            readTarget(in, r);
            l.key = r.key;
        }
        return l;
    }

    public static final class ReplyIn {
        public int requestId;
        public int status;
        public List<ServiceContext> contexts;
        public InputStream body;
        public int bodyStart; // the offset of the body in the message
    }

    public static ReplyIn readReply(ORB orb, Message m) {
        InputStream in = open(orb, m);
        ReplyIn r = new ReplyIn();
        if (m.minor <= 1) {
            r.contexts = readContexts(in);
            r.requestId = in.read_ulong();
            r.status = in.read_ulong();
        } else {
            r.requestId = in.read_ulong();
            r.status = in.read_ulong();
            r.contexts = readContexts(in);
            bodyStart(in, m);
        }
        r.body = in;
        r.bodyStart = m.length - in.available();
        return r;
    }

    public static final class LocateReplyIn {
        public int requestId;
        public int status;
        public InputStream body;
    }

    public static LocateReplyIn readLocateReply(ORB orb, Message m) {
        InputStream in = open(orb, m);
        LocateReplyIn r = new LocateReplyIn();
        r.requestId = in.read_ulong();
        r.status = in.read_ulong();
        bodyStart(in, m);
        r.body = in;
        return r;
    }

    // The request id of a Reply or LocateReply, read from the raw octets
    // so that a malformed body can still fail the right call; -1 when not
    // even that can be read.
    public static int replyRequestId(ORB orb, Message m) {
        try {
            if (m.minor >= 2 || m.type == Giop.LOCATE_REPLY) return m.leadingRequestId();
            InputStream in = open(orb, m);
            readContexts(in);
            return in.read_ulong();
        } catch (RuntimeException e) {
            return -1;
        }
    }

    // A string at a given offset of a message, read from the raw octets
    // (the repository id that leads a user exception's body).
    public static String peekString(Message m, int offset) {
        int pos = offset;
        pos += (4 - pos % 4) % 4;
        if (pos + 4 > m.length) throw bad("exception id beyond the message");
        int n = Giop.getInt(m.buf, pos, m.little);
        if (n < 1 || n > m.length - pos - 4) throw bad("exception id beyond the message");
        return new String(m.buf, pos + 4, n - 1, java.nio.charset.StandardCharsets.ISO_8859_1);
    }
}

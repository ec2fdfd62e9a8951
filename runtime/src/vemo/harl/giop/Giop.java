package vemo.harl.giop;

import java.io.EOFException;
import java.io.IOException;
import java.io.InputStream;
import java.util.HashMap;
import java.util.Map;

// GIOP 1.0 to 1.2 framing: message types, reply and locate statuses, the
// twelve-octet header, and a reader that takes whole messages off a
// connection (fragments put back together) without trusting the sizes the
// peer announces: a size beyond the limit is refused before anything is
// allocated, and the buffer grows only as octets actually arrive.
public final class Giop {
    private Giop() { }

    public static final int HEADER = 12;

    public static final int REQUEST = 0;
    public static final int REPLY = 1;
    public static final int CANCEL_REQUEST = 2;
    public static final int LOCATE_REQUEST = 3;
    public static final int LOCATE_REPLY = 4;
    public static final int CLOSE_CONNECTION = 5;
    public static final int MESSAGE_ERROR = 6;
    public static final int FRAGMENT = 7;

    public static final int NO_EXCEPTION = 0;
    public static final int USER_EXCEPTION = 1;
    public static final int SYSTEM_EXCEPTION = 2;
    public static final int LOCATION_FORWARD = 3;
    public static final int LOCATION_FORWARD_PERM = 4;
    public static final int NEEDS_ADDRESSING_MODE = 5;

    public static final int UNKNOWN_OBJECT = 0;
    public static final int OBJECT_HERE = 1;
    public static final int OBJECT_FORWARD = 2;
    public static final int OBJECT_FORWARD_PERM = 3;
    public static final int LOC_SYSTEM_EXCEPTION = 4;
    public static final int LOC_NEEDS_ADDRESSING_MODE = 5;

    // Target addressing of 1.2.
    public static final short KEY_ADDR = 0;
    public static final short PROFILE_ADDR = 1;
    public static final short REFERENCE_ADDR = 2;

    // Service context ids.
    public static final int CODE_SETS = 1;
    // ExceptionDetailMessage: what a system exception reply's exception
    // means, as a wstring in an encapsulation.
    public static final int EXCEPTION_DETAIL_MESSAGE = 14;

    // The largest message accepted unless configured otherwise.
    public static final int DEFAULT_MAX_MESSAGE = 64 << 20;

    public static int getInt(byte[] b, int off, boolean little) {
        int a = b[off] & 0xFF, c = b[off + 1] & 0xFF, d = b[off + 2] & 0xFF, e = b[off + 3] & 0xFF;
        return little ? (e << 24) | (d << 16) | (c << 8) | a : (a << 24) | (c << 16) | (d << 8) | e;
    }

    public static void putInt(byte[] b, int off, int v, boolean little) {
        if (little) {
            b[off] = (byte) v;
            b[off + 1] = (byte) (v >>> 8);
            b[off + 2] = (byte) (v >>> 16);
            b[off + 3] = (byte) (v >>> 24);
        } else {
            b[off] = (byte) (v >>> 24);
            b[off + 1] = (byte) (v >>> 16);
            b[off + 2] = (byte) (v >>> 8);
            b[off + 3] = (byte) v;
        }
    }

    // A header with no body, for CloseConnection and MessageError.
    public static byte[] bare(int type, int minor) {
        return new byte[] {'G', 'I', 'O', 'P', 1, (byte) minor, 0, (byte) type, 0, 0, 0, 0};
    }

    // Reads whole messages from one connection.  Not thread-safe: one
    // reader per connection.
    //
    // With a budget (a server's), each message and fragment is charged to
    // it once its header is read and before its body is: the budget may
    // hold the reader there (back-pressure on the peer) and the body is
    // then read into one array of the announced size.  Without one, a
    // body is read into an array that grows as octets arrive, from at most
    // `eager` octets, so that a size announced but not sent costs little.
    public static final class Reader {
        // A budget of octets: take returns what it charged for n octets,
        // waiting while there is no room.
        public interface Budget {
            long take(long n) throws IOException;
        }

        private final InputStream in;
        private final int max;
        private final int eager;
        private final Budget budget;
        private final byte[] header = new byte[HEADER];
        private final byte[] id = new byte[4];
        // Fragmented 1.2 messages being put together, by request id; a 1.1
        // one apart.
        private final Map<Integer, Partial> partials = new HashMap<>();
        private Partial partial11;
        // Charged octets not yet handed out with a message.
        private long held;
        // How long a read inside a message may wait without an octet when
        // the socket has a read timeout (0: without end).
        private long stallNanos;
        // Large bodies are read into the reading thread's spare buffers
        // (Cdr.recycleRead gives them back once unmarshalled).
        private boolean spares;

        private static final class Partial {
            final int minor;
            final boolean little;
            final int type;
            byte[] buf;
            int length;
            long charged;

            Partial(int minor, boolean little, int type, byte[] buf, int length, long charged) {
                this.minor = minor;
                this.little = little;
                this.type = type;
                this.buf = buf;
                this.length = length;
                this.charged = charged;
            }
        }

        public Reader(InputStream in, int maxMessage) {
            this(in, maxMessage, 65536, null);
        }

        public Reader(InputStream in, int maxMessage, int eager, Budget budget) {
            this.in = in;
            this.max = maxMessage;
            this.eager = Math.max(HEADER, eager);
            this.budget = budget;
        }

        // On a socket with a read timeout (a poll interval), next() passes
        // the timeout on only between messages, where nothing is lost; inside
        // a message it waits on, up to nanos without an octet, and then
        // gives the connection up with an IOException.
        public void stallLimit(long nanos) {
            stallNanos = nanos;
        }

        // One read of the stream; inside a message (started) a read timeout
        // is waited through, up to the stall limit.
        private int read(byte[] b, int off, int len, boolean started) throws IOException {
            long since = 0;
            while (true) {
                try {
                    return in.read(b, off, len);
                } catch (java.net.SocketTimeoutException e) {
                    if (!started) throw e;
                    long now = System.nanoTime();
                    if (since == 0) since = now;
                    else if (stallNanos > 0 && now - since > stallNanos)
                        throw new IOException("no octet of a message for " + (now - since) / 1000000 + " ms");
                }
            }
        }

        // Reads large bodies into the thread's spare buffers: whoever takes
        // a message from next() then gives its buffer back with Cdr.recycleRead
        // once nothing refers to it, or leaves it to the collector.
        public void useSpares() {
            spares = true;
        }

        // The charged octets of messages not yet whole (fragments waiting
        // for the rest, a message cut short); zero afterwards.  Called by
        // the connection's owner once it stops reading.
        public long takeHeld() {
            long h = held;
            held = 0;
            return h;
        }

        // Reads n octets into buf from off, growing buf as data arrives;
        // returns the (possibly new) buffer.
        private byte[] readInto(byte[] buf, int off, int n) throws IOException {
            int end = off + n;
            int pos = off;
            while (pos < end) {
                if (pos == buf.length) {
                    int grown = (int) Math.min((long) end, Math.max(buf.length * 2L, 4096L));
                    buf = java.util.Arrays.copyOf(buf, grown);
                }
                // at most 128 KiB a read: the socket copies through a
                // temporary native buffer as large as the request, and
                // takes no more at once
                int want = Math.min(Math.min(end, buf.length) - pos, 131072);
                int got = read(buf, pos, want, true);
                if (got < 0) throw new EOFException("connection closed inside a message");
                pos += got;
            }
            return buf;
        }

        private void readFully(byte[] buf, int n) throws IOException {
            int got = 0;
            while (got < n) {
                int r = read(buf, got, n - got, true);
                if (r < 0) throw new EOFException("connection closed inside a message");
                got += r;
            }
        }

        // Charges n octets to the budget, if there is one.
        private long charge(long n) throws IOException {
            if (budget == null) return 0;
            long c = budget.take(n);
            held += c;
            return c;
        }

        // The next whole message, or null when the peer closed the
        // connection between messages.
        public Message next() throws IOException, ProtocolError {
            while (true) {
                int got = 0;
                while (got < HEADER) {
                    int r = read(header, got, HEADER - got, got > 0);
                    if (r < 0) {
                        if (got == 0) return null;
                        throw new EOFException("connection closed inside a message header");
                    }
                    got += r;
                }
                if (header[0] != 'G' || header[1] != 'I' || header[2] != 'O' || header[3] != 'P')
                    throw new ProtocolError("bad magic");
                if (header[4] != 1 || header[5] < 0 || header[5] > 2)
                    throw new ProtocolError("unsupported GIOP version " + header[4] + "." + header[5]);
                int minor = header[5];
                int flags = header[6] & 0xFF;
                if (minor == 0 && flags > 1) throw new ProtocolError("bad byte order in a 1.0 header");
                boolean little = (flags & 1) != 0;
                boolean more = minor >= 1 && (flags & 2) != 0;
                int type = header[7] & 0xFF;
                if (type > FRAGMENT || (type == FRAGMENT && minor == 0))
                    throw new ProtocolError("unknown message type " + type);
                long size = getInt(header, 8, little) & 0xFFFFFFFFL;
                if (size > max - HEADER) throw new ProtocolError("message of " + size + " octets exceeds the limit");
                int length = HEADER + (int) size;
                // A message with fragments to follow gets room for a short
                // tail besides (charged with it): a peer that sends the bulk
                // in the first message and a few octets in a last fragment
                // then costs no copy of the whole.
                int room = more && type != FRAGMENT
                    ? (int) Math.min((long) length + Math.min(Math.max(length >> 4, 256), 65536), max) : length;
                long charged = charge(room);

                if (type == FRAGMENT) {
                    // The continuation goes straight into the message it
                    // continues.
                    Partial p;
                    Integer key = null;
                    int add = (int) size;
                    if (minor == 1) {
                        p = partial11;
                    } else {
                        if (size < 4) throw new ProtocolError("fragment without request id");
                        readFully(id, 4);
                        key = getInt(id, 0, little);
                        p = partials.get(key);
                        add -= 4;
                    }
                    if (p == null) throw new ProtocolError("fragment without a message to continue");
                    if (p.minor != minor || p.little != little) throw new ProtocolError("fragment of another version");
                    if ((long) p.length + add > max) throw new ProtocolError("fragmented message exceeds the limit");
                    if (p.length + add > p.buf.length) {
                        // doubling, so that many small fragments cost no
                        // more than one copy of the whole; without a
                        // budget only what arrives is room for
                        long doubled = Math.max((long) p.length + add, p.buf.length * 2L);
                        long grown = budget != null ? doubled
                                                    : Math.min(p.length + (long) Math.min(add, eager), doubled);
                        p.buf = java.util.Arrays.copyOf(p.buf, (int) Math.min(grown, max));
                    }
                    p.buf = readInto(p.buf, p.length, add);
                    p.length += add;
                    p.charged += charged;
                    if (more) continue;
                    if (minor == 1) partial11 = null; else partials.remove(key);
                    Message whole = new Message(p.minor, p.little, p.type, p.buf, p.length);
                    whole.charged = p.charged;
                    held -= p.charged;
                    return whole;
                }
                int capacity = budget != null ? room : (int) Math.min(room, eager);
                byte[] buf = spares && capacity >= Cdr.SPARE_MIN ? Cdr.spareToRead(capacity) : null;
                if (buf == null) buf = new byte[capacity];
                System.arraycopy(header, 0, buf, 0, HEADER);
                buf = readInto(buf, HEADER, (int) size);
                if (more) {
                    if (type != REQUEST && type != REPLY && type != LOCATE_REQUEST && type != LOCATE_REPLY)
                        throw new ProtocolError("message type " + type + " cannot be fragmented");
                    Partial p = new Partial(minor, little, type, buf, length, charged);
                    if (minor == 1) {
                        if (partial11 != null) throw new ProtocolError("interleaved 1.1 fragments");
                        partial11 = p;
                    } else {
                        if (length < HEADER + 4) throw new ProtocolError("fragmented message without request id");
                        if (partials.size() >= 64) throw new ProtocolError("too many fragmented messages");
                        partials.put(getInt(buf, HEADER, little), p);
                    }
                    continue;
                }
                Message m = new Message(minor, little, type, buf, length);
                m.charged = charged;
                held -= charged;
                return m;
            }
        }
    }
}

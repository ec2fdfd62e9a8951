package vemo.harl.giop;

import java.lang.ref.SoftReference;

import org.omg.CORBA.ORB;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

import vemo.harl.cdr.CDRInputStream;
import vemo.harl.cdr.CDROutputStream;
import vemo.harl.cdr.CdrStream;

// The CDR streams a GIOP message is written into and read from: one
// stream per message, alignment counted from the message's first octet.
public final class Cdr {
    private Cdr() { }

    public static OutputStream output(ORB orb, int minor, boolean little) {
        return new CDROutputStream(orb, minor, little);
    }

    // Each thread's spare message buffers: one a message is written into,
    // one a message is read into.  A request or reply is written into the
    // first and, once the message is on the wire, the buffer comes back
    // (recycle); a large message is read into the second, which comes back
    // once the message has been unmarshalled (recycleRead).  So a thread
    // that sends and receives large messages neither allocates nor clears
    // a fresh array for each.  Held softly, and only from SPARE_MIN to
    // SPARE_MAX octets, so that an idle thread keeps little.
    private static final ThreadLocal<SoftReference<byte[][]>> SPARE = new ThreadLocal<>();
    static final int SPARE_MIN = 4096;
    static final int SPARE_MAX = 8 << 20;
    private static final int WRITE = 0;
    private static final int READ = 1;

    // Takes the thread's spare of the given use if it holds at least n
    // octets; null otherwise.  The buffer is no longer the thread's (a
    // nested call takes another).
    private static byte[] takeSpare(int use, int n) {
        SoftReference<byte[][]> r = SPARE.get();
        byte[][] s = r == null ? null : r.get();
        byte[] b = s == null ? null : s[use];
        if (b == null || b.length < n) return null;
        s[use] = null;
        return b;
    }

    private static void giveSpare(int use, byte[] buf) {
        if (buf == null || buf.length < SPARE_MIN || buf.length > SPARE_MAX) return;
        SoftReference<byte[][]> r = SPARE.get();
        byte[][] s = r == null ? null : r.get();
        if (s == null) {
            s = new byte[2][];
            SPARE.set(new SoftReference<>(s));
        }
        if (s[1 - use] != buf) s[use] = buf;
    }

    // A stream for a message that recycle gets back once it is sent: in
    // the thread's spare buffer when it has one.
    public static OutputStream message(ORB orb, int minor, boolean little) {
        byte[] b = takeSpare(WRITE, SPARE_MIN);
        return b == null ? output(orb, minor, little) : new CDROutputStream(orb, minor, little, b);
    }

    // Gives the thread the buffer of a message written on the wire, which
    // nothing refers to any more, for its next message.
    public static void recycle(byte[] buf) {
        giveSpare(WRITE, buf);
    }

    // An array of at least n octets to read a message into: the thread's
    // spare when it is large enough, else null.
    static byte[] spareToRead(int n) {
        return takeSpare(READ, n);
    }

    // Gives the thread the buffer of a message read and unmarshalled,
    // which nothing refers to any more, to read a later one into.
    public static void recycleRead(byte[] buf) {
        giveSpare(READ, buf);
    }

    public static int position(OutputStream out) {
        return ((CDROutputStream) out).size();
    }

    public static void align(OutputStream out, int n) {
        ((CDROutputStream) out).align(n);
    }

    public static byte[] bytes(OutputStream out) {
        return ((CDROutputStream) out).toByteArray();
    }

    public static InputStream input(ORB orb, byte[] buf, int length, boolean little, int minor) {
        return new CDRInputStream(orb, buf, 0, length, little, minor);
    }

    public static void skip(InputStream in, int n) {
        if (n > in.available()) throw Codec.bad("message ends early");
        ((CDRInputStream) in).skip(n);
    }

    // The code sets of a message's stream, read or written.
    public static void codeSets(java.lang.Object stream, int charSet, int wcharSet) {
        CdrStream c = (CdrStream) stream;
        c.setCharCodeSet(charSet);
        c.setWcharCodeSet(wcharSet);
    }
}

package vemo.harl.giop;

import java.lang.ref.SoftReference;

import org.omg.CORBA.ORB;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

import vemo.harl.cdr.CDRInputStream;
import vemo.harl.cdr.CDROutputStream;

// The CDR streams a GIOP message is written into and read from: one
// stream per message, alignment counted from the message's first octet.
public final class Cdr {
    private Cdr() { }

    public static OutputStream output(ORB orb, int minor, boolean little) {
        return new CDROutputStream(orb, minor, little);
    }

    // Each thread's spare message buffer.  A request or reply is written
    // into it, and once the message is on the wire the buffer comes back
    // (recycle), so that a thread that sends large messages neither
    // allocates nor clears a fresh array for each.  Held softly, and only
    // up to SPARE_MAX octets, so that an idle thread keeps little.
    private static final ThreadLocal<SoftReference<byte[]>> SPARE = new ThreadLocal<>();
    static final int SPARE_MIN = 4096;
    static final int SPARE_MAX = 16 << 20;

    // A stream for a message that recycle gets back once it is sent: in
    // the thread's spare buffer, which is the thread's no longer while the
    // message is being written (a nested call takes a fresh one).
    public static OutputStream message(ORB orb, int minor, boolean little) {
        SoftReference<byte[]> r = SPARE.get();
        byte[] b = r == null ? null : r.get();
        if (b == null) return output(orb, minor, little);
        SPARE.set(null);
        return new CDROutputStream(orb, minor, little, b);
    }

    // Gives the buffer of a message written on the wire, which nothing
    // refers to any more, to the thread for its next message.
    public static void recycle(byte[] buf) {
        if (buf == null || buf.length < SPARE_MIN || buf.length > SPARE_MAX) return;
        SoftReference<byte[]> r = SPARE.get();
        byte[] old = r == null ? null : r.get();
        if (old == null || old.length < buf.length) SPARE.set(new SoftReference<>(buf));
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

    public static void codeSets(OutputStream out, int charSet, int wcharSet) {
        CDROutputStream c = (CDROutputStream) out;
        c.setCharCodeSet(charSet);
        c.setWcharCodeSet(wcharSet);
    }

    public static void codeSets(InputStream in, int charSet, int wcharSet) {
        CDRInputStream c = (CDRInputStream) in;
        c.setCharCodeSet(charSet);
        c.setWcharCodeSet(wcharSet);
    }
}

package vemo.harl.giop;

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

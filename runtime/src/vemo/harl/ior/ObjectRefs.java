package vemo.harl.ior;

// Object references on CDR streams: an IOR read into a reference, a
// reference written as its IOR (a nil reference as the empty IOR).
public final class ObjectRefs {
    private ObjectRefs() { }

    public static org.omg.CORBA.Object read(org.omg.CORBA.portable.InputStream in) {
        throw new org.omg.CORBA.NO_IMPLEMENT("object references not built yet");
    }

    public static void write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.Object obj) {
        throw new org.omg.CORBA.NO_IMPLEMENT("object references not built yet");
    }
}

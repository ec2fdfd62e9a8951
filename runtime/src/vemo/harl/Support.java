package vemo.harl;

import org.omg.CORBA.Any;
import org.omg.CORBA.ORB;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// Conveniences over the runtime for applications and generated code: the
// runtime's version, the shared factory, and values moved through holders.
public final class Support {
    private Support() {
    }

    // The version of the runtime library.
    public static String version() {
        Package p = Support.class.getPackage();
        String v = p == null ? null : p.getImplementationVersion();
        return v == null ? "unknown" : v;
    }

    // The shared factory of type codes, anys and streams (ORB.init()).
    public static ORB factory() {
        return ORB.init();
    }

    // A new any holding the holder's value.
    public static Any toAny(Streamable holder) {
        Any a = ORB.init().create_any();
        a.insert_Streamable(holder);
        return a;
    }

    // The holder's value marshalled as CDR (big-endian, GIOP 1.2) and read
    // back into a holder: a copy by value.
    public static <T extends Streamable> T copy(Streamable from, T to) {
        OutputStream out = ORB.init().create_output_stream();
        from.__write(out);
        InputStream in = out.create_input_stream();
        to.__read(in);
        return to;
    }

    // The type code of a holder's value.
    public static TypeCode type(Streamable holder) {
        return holder.__type();
    }
}

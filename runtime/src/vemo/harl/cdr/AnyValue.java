package vemo.harl.cdr;

import java.util.List;

import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// The value of an org.omg.CORBA.Any as the runtime keeps it: CDR octets
// [start, end) of data (big-endian, GIOP 1.2, aligned from start) with the
// references they name, by index, beside them.  The runtime's factory ORB
// hands these to Any; Any holds them without looking inside.
public final class AnyValue {
    private final byte[] data;
    private final int start;
    private final int end;
    private final List<org.omg.CORBA.Object> objects;

    private AnyValue(byte[] data, int start, int end, List<org.omg.CORBA.Object> objects) {
        this.data = data;
        this.start = start;
        this.end = end;
        this.objects = objects;
    }

    // A stream that an any's value is written into.
    public static CDROutputStream stream() {
        return CDROutputStream.forAnyValue();
    }

    // The value written into a stream of stream().
    public static AnyValue of(OutputStream written) {
        CDRInputStream in = (CDRInputStream) written.create_input_stream();
        return new AnyValue(in.buffer(), in.position(), in.limit(), in.objects());
    }

    // A stream that reads the value; for null, the empty value's.
    public static InputStream input(AnyValue v) {
        if (v == null) return CDROutputStream.forAnyValue().create_input_stream();
        return CDRInputStream.forAnyValue(v.data, v.start, v.end, v.objects);
    }

    // The value of type t that follows in the stream.
    public static AnyValue read(InputStream in, TypeCode t) {
        if (in instanceof CDRInputStream && ((CDRInputStream) in).isAnyValue()) {
            // The stream of an any's create_output_stream holds the one
            // value written into it: taken as it is, up to its end, so that
            // the value comes back as it was written whatever the type code
            // says of its extent.  Elsewhere in such a stream the value ends
            // where its type code says.
            CDRInputStream cin = (CDRInputStream) in;
            if (cin.alignedAtValueStart()) {
                int from = cin.position();
                int to = cin.limit();
                if (from != cin.alignmentOrigin()) {
                    ValueWalker.skip(t, cin);
                    to = cin.position();
                }
                cin.position(to);
                return new AnyValue(cin.buffer(), from, to, cin.objects());
            }
        }
        CDROutputStream out = CDROutputStream.forAnyValue();
        ValueWalker.copy(t, in, out);
        return of(out);
    }

    // Writes the value, of type t: its octets as they are where the stream
    // would write the same ones, else walked by the type code.
    public static void write(AnyValue v, TypeCode t, OutputStream out) {
        if (out instanceof CDROutputStream && ((CDROutputStream) out).copyAnyValue(v.data, v.start, v.end, v.objects))
            return;
        ValueWalker.copy(t, input(v), out);
    }

    // Whether two values of type t are equal.
    public static boolean equal(TypeCode t, AnyValue a, AnyValue b) {
        return ValueWalker.equalValues(t, input(a), input(b));
    }
}

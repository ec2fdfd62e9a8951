package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A long passed as an out or inout parameter.
public final class LongHolder implements Streamable {
    public long value;

    public LongHolder() {
        this(0L);
    }

    public LongHolder(long initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_longlong(value);
    }

    public void __read(InputStream in) {
        value = in.read_longlong();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_longlong);
    }
}

package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A short passed as an out or inout parameter.
public final class ShortHolder implements Streamable {
    public short value;

    public ShortHolder() {
        this((short) 0);
    }

    public ShortHolder(short initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_short(value);
    }

    public void __read(InputStream in) {
        value = in.read_short();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_short);
    }
}

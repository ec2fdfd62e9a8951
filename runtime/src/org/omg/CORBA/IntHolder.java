package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A int passed as an out or inout parameter.
public final class IntHolder implements Streamable {
    public int value;

    public IntHolder() {
        this(0);
    }

    public IntHolder(int initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_long(value);
    }

    public void __read(InputStream in) {
        value = in.read_long();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_long);
    }
}

package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A boolean passed as an out or inout parameter.
public final class BooleanHolder implements Streamable {
    public boolean value;

    public BooleanHolder() {
        this(false);
    }

    public BooleanHolder(boolean initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_boolean(value);
    }

    public void __read(InputStream in) {
        value = in.read_boolean();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_boolean);
    }
}

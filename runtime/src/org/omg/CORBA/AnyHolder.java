package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A Any passed as an out or inout parameter.
public final class AnyHolder implements Streamable {
    public Any value;

    public AnyHolder() {
        this(null);
    }

    public AnyHolder(Any initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_any(value);
    }

    public void __read(InputStream in) {
        value = in.read_any();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_any);
    }
}

package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A double passed as an out or inout parameter.
public final class DoubleHolder implements Streamable {
    public double value;

    public DoubleHolder() {
        this(0.0);
    }

    public DoubleHolder(double initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_double(value);
    }

    public void __read(InputStream in) {
        value = in.read_double();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_double);
    }
}

package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A float passed as an out or inout parameter.
public final class FloatHolder implements Streamable {
    public float value;

    public FloatHolder() {
        this(0.0f);
    }

    public FloatHolder(float initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_float(value);
    }

    public void __read(InputStream in) {
        value = in.read_float();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_float);
    }
}

package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A TypeCode passed as an out or inout parameter.
public final class TypeCodeHolder implements Streamable {
    public TypeCode value;

    public TypeCodeHolder() {
        this(null);
    }

    public TypeCodeHolder(TypeCode initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_TypeCode(value);
    }

    public void __read(InputStream in) {
        value = in.read_TypeCode();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_TypeCode);
    }
}

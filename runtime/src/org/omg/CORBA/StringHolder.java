package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A String passed as an out or inout parameter.
public final class StringHolder implements Streamable {
    public String value;

    public StringHolder() {
        this(null);
    }

    public StringHolder(String initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_string(value);
    }

    public void __read(InputStream in) {
        value = in.read_string();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_string);
    }
}

package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A String passed as an out or inout parameter.
public final class WStringHolder implements Streamable {
    public String value;

    public WStringHolder() {
        this(null);
    }

    public WStringHolder(String initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_wstring(value);
    }

    public void __read(InputStream in) {
        value = in.read_wstring();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_wstring);
    }
}

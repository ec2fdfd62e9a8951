package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A char passed as an out or inout parameter.
public final class CharHolder implements Streamable {
    public char value;

    public CharHolder() {
        this('\0');
    }

    public CharHolder(char initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_char(value);
    }

    public void __read(InputStream in) {
        value = in.read_char();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_char);
    }
}

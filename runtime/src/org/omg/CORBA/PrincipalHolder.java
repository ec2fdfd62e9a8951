package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A Principal passed as an out or inout parameter.
public final class PrincipalHolder implements Streamable {
    public Principal value;

    public PrincipalHolder() {
        this(null);
    }

    public PrincipalHolder(Principal initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_Principal(value);
    }

    public void __read(InputStream in) {
        value = in.read_Principal();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_Principal);
    }
}

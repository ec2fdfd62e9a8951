package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A org.omg.CORBA.Object passed as an out or inout parameter.
public final class ObjectHolder implements Streamable {
    public org.omg.CORBA.Object value;

    public ObjectHolder() {
        this(null);
    }

    public ObjectHolder(org.omg.CORBA.Object initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_Object(value);
    }

    public void __read(InputStream in) {
        value = in.read_Object();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_objref);
    }
}

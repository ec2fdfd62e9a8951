package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A byte passed as an out or inout parameter.
public final class ByteHolder implements Streamable {
    public byte value;

    public ByteHolder() {
        this((byte) 0);
    }

    public ByteHolder(byte initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        out.write_octet(value);
    }

    public void __read(InputStream in) {
        value = in.read_octet();
    }

    public TypeCode __type() {
        return ORB.init().get_primitive_tc(TCKind.tk_octet);
    }
}

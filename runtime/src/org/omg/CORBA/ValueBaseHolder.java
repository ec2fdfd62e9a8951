package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// A value of any value type passed as an out or inout parameter.
public final class ValueBaseHolder implements Streamable {
    public java.io.Serializable value;

    public ValueBaseHolder() {
    }

    public ValueBaseHolder(java.io.Serializable initial) {
        value = initial;
    }

    public void __write(OutputStream out) {
        ValueBaseHelper.write(out, value);
    }

    public void __read(InputStream in) {
        value = ValueBaseHelper.read(in);
    }

    public TypeCode __type() {
        return ValueBaseHelper.type();
    }
}

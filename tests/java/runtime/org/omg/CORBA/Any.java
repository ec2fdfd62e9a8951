package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Test stand-in: a value of any type, kept as its type code and the
// marshalled value.
public class Any {
    private TypeCode type;
    private InputStream value = new InputStream(new byte[0]);

    public TypeCode type() {
        return type;
    }

    public void type(TypeCode t) {
        type = t;
    }

    public OutputStream create_output_stream() {
        return new OutputStream();
    }

    public InputStream get_input_stream() {
        return value.copyRest();
    }

    public void read_value(InputStream in, TypeCode t) {
        type = t;
        value = in.copyRest();
    }

    public void insert_long(int v) {
        OutputStream out = create_output_stream();
        out.write_long(v);
        read_value(out.get_input_stream(), ORB.init().get_primitive_tc(TCKind.tk_long));
    }

    public int extract_long() {
        return get_input_stream().read_long();
    }
}

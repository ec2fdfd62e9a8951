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

    // The label values of union type codes.
    private void primitive(TCKind kind, java.util.function.Consumer<OutputStream> write) {
        OutputStream out = create_output_stream();
        write.accept(out);
        read_value(out.get_input_stream(), ORB.init().get_primitive_tc(kind));
    }

    public void insert_boolean(boolean v) { primitive(TCKind.tk_boolean, o -> o.write_boolean(v)); }
    public void insert_char(char v) { primitive(TCKind.tk_char, o -> o.write_char(v)); }
    public void insert_wchar(char v) { primitive(TCKind.tk_wchar, o -> o.write_wchar(v)); }
    public void insert_octet(byte v) { primitive(TCKind.tk_octet, o -> o.write_octet(v)); }
    public void insert_short(short v) { primitive(TCKind.tk_short, o -> o.write_short(v)); }
    public void insert_ushort(short v) { primitive(TCKind.tk_ushort, o -> o.write_ushort(v)); }
    public void insert_ulong(int v) { primitive(TCKind.tk_ulong, o -> o.write_ulong(v)); }
    public void insert_longlong(long v) { primitive(TCKind.tk_longlong, o -> o.write_longlong(v)); }
    public void insert_ulonglong(long v) { primitive(TCKind.tk_ulonglong, o -> o.write_ulonglong(v)); }
}

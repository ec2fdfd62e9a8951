package org.omg.CORBA;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// CORBA::ValueBase, the base of every value type: a value of whatever type
// its repository identifiers name, found through its factory.
public abstract class ValueBaseHelper {
    private static final String ID = "IDL:omg.org/CORBA/ValueBase:1.0";
    private static TypeCode type;

    public static synchronized TypeCode type() {
        if (type == null)
            type = ORB.init().create_value_tc(ID, "ValueBase", VM_NONE.value, null, new ValueMember[0]);
        return type;
    }

    public static String id() {
        return ID;
    }

    public static void insert(Any a, java.io.Serializable value) {
        OutputStream out = a.create_output_stream();
        a.type(type());
        write(out, value);
        a.read_value(out.create_input_stream(), type());
    }

    public static java.io.Serializable extract(Any a) {
        if (!a.type().equivalent(type()))
            throw new BAD_OPERATION("extract a ValueBase from an any of " + a.type(), 0, CompletionStatus.COMPLETED_NO);
        return read(a.create_input_stream());
    }

    public static java.io.Serializable read(InputStream in) {
        return ((org.omg.CORBA_2_3.portable.InputStream) in).read_value();
    }

    public static void write(OutputStream out, java.io.Serializable value) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_value(value);
    }
}

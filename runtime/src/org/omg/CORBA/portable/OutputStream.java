package org.omg.CORBA.portable;

import org.omg.CORBA.Any;
import org.omg.CORBA.Principal;
import org.omg.CORBA.TypeCode;

// What generated code writes its values to.  The runtime's stream
// (vemo.harl.cdr.CDROutputStream) writes CDR; a value that cannot be
// written (a null string, a character outside the code set) raises a
// system exception.
public abstract class OutputStream extends java.io.OutputStream {
    // A stream that reads what was written.
    public abstract InputStream create_input_stream();

    // The same, under the name generated Helpers use.
    public InputStream get_input_stream() {
        return create_input_stream();
    }

    public abstract void write_boolean(boolean value);
    public abstract void write_char(char value);
    public abstract void write_wchar(char value);
    public abstract void write_octet(byte value);
    public abstract void write_short(short value);
    public abstract void write_ushort(short value);
    public abstract void write_long(int value);
    public abstract void write_ulong(int value);
    public abstract void write_longlong(long value);
    public abstract void write_ulonglong(long value);
    public abstract void write_float(float value);
    public abstract void write_double(double value);
    public abstract void write_string(String value);
    public abstract void write_wstring(String value);

    public abstract void write_boolean_array(boolean[] value, int offset, int length);
    public abstract void write_char_array(char[] value, int offset, int length);
    public abstract void write_wchar_array(char[] value, int offset, int length);
    public abstract void write_octet_array(byte[] value, int offset, int length);
    public abstract void write_short_array(short[] value, int offset, int length);
    public abstract void write_ushort_array(short[] value, int offset, int length);
    public abstract void write_long_array(int[] value, int offset, int length);
    public abstract void write_ulong_array(int[] value, int offset, int length);
    public abstract void write_longlong_array(long[] value, int offset, int length);
    public abstract void write_ulonglong_array(long[] value, int offset, int length);
    public abstract void write_float_array(float[] value, int offset, int length);
    public abstract void write_double_array(double[] value, int offset, int length);

    public void write_string_array(String[] value, int offset, int length) {
        for (int i = 0; i < length; i++) write_string(value[offset + i]);
    }

    public void write_wstring_array(String[] value, int offset, int length) {
        for (int i = 0; i < length; i++) write_wstring(value[offset + i]);
    }

    public abstract void write_Object(org.omg.CORBA.Object value);
    public abstract void write_TypeCode(TypeCode value);
    public abstract void write_any(Any value);

    public void write_Any(Any value) {
        write_any(value);
    }

    public void write_Principal(Principal value) {
        byte[] name = value == null ? new byte[0] : value.name();
        write_ulong(name.length);
        write_octet_array(name, 0, name.length);
    }

    public void write_fixed(java.math.BigDecimal value, short digits, short scale) {
        throw new org.omg.CORBA.NO_IMPLEMENT("fixed-point values", 0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
    }

    public void write_fixed(java.math.BigDecimal value) {
        throw new org.omg.CORBA.NO_IMPLEMENT("fixed-point values without digits and scale", 0,
                                             org.omg.CORBA.CompletionStatus.COMPLETED_NO);
    }

    public org.omg.CORBA.ORB orb() {
        return null;
    }

    // One octet, as java.io.OutputStream writes it.
    public void write(int octet) {
        write_octet((byte) octet);
    }
}

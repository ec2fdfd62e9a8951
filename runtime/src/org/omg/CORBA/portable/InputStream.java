package org.omg.CORBA.portable;

import org.omg.CORBA.Any;
import org.omg.CORBA.Principal;
import org.omg.CORBA.TypeCode;

// What generated code reads its values from.  The runtime's streams
// (vemo.harl.cdr.CDRInputStream) read CDR; a value that cannot be read (too
// few bytes, a length beyond the message, a bad encoding) raises MARSHAL.
public abstract class InputStream extends java.io.InputStream {
    public abstract boolean read_boolean();
    public abstract char read_char();
    public abstract char read_wchar();
    public abstract byte read_octet();
    public abstract short read_short();
    public abstract short read_ushort();
    public abstract int read_long();
    public abstract int read_ulong();
    public abstract long read_longlong();
    public abstract long read_ulonglong();
    public abstract float read_float();
    public abstract double read_double();
    public abstract String read_string();
    public abstract String read_wstring();

    public abstract void read_boolean_array(boolean[] value, int offset, int length);
    public abstract void read_char_array(char[] value, int offset, int length);
    public abstract void read_wchar_array(char[] value, int offset, int length);
    public abstract void read_octet_array(byte[] value, int offset, int length);
    public abstract void read_short_array(short[] value, int offset, int length);
    public abstract void read_ushort_array(short[] value, int offset, int length);
    public abstract void read_long_array(int[] value, int offset, int length);
    public abstract void read_ulong_array(int[] value, int offset, int length);
    public abstract void read_longlong_array(long[] value, int offset, int length);
    public abstract void read_ulonglong_array(long[] value, int offset, int length);
    public abstract void read_float_array(float[] value, int offset, int length);
    public abstract void read_double_array(double[] value, int offset, int length);

    // Strings one after the other, as generated code reads arrays and
    // sequences of strings.
    public void read_string_array(String[] value, int offset, int length) {
        for (int i = 0; i < length; i++) value[offset + i] = read_string();
    }

    public void read_wstring_array(String[] value, int offset, int length) {
        for (int i = 0; i < length; i++) value[offset + i] = read_wstring();
    }

    public abstract org.omg.CORBA.Object read_Object();
    public abstract TypeCode read_TypeCode();
    public abstract Any read_any();

    // The same, under the name some generated code uses.
    public Any read_Any() {
        return read_any();
    }

    public Principal read_Principal() {
        int length = read_ulong();
        if (length < 0 || length > available())
            throw new org.omg.CORBA.MARSHAL("principal of " + (length & 0xFFFFFFFFL) + " octets beyond the data",
                                            0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        byte[] name = new byte[length];
        read_octet_array(name, 0, length);
        return new Principal(name);
    }

    // A fixed-point value of the given digits and scale.
    public java.math.BigDecimal read_fixed(short digits, short scale) {
        throw new org.omg.CORBA.NO_IMPLEMENT("fixed-point values", 0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
    }

    public java.math.BigDecimal read_fixed() {
        throw new org.omg.CORBA.NO_IMPLEMENT("fixed-point values without digits and scale", 0,
                                             org.omg.CORBA.CompletionStatus.COMPLETED_NO);
    }

    // An object reference that must be of the given stub class.
    @SuppressWarnings("rawtypes")
    public org.omg.CORBA.Object read_Object(Class stubClass) {
        return read_Object();
    }

    // The ORB the stream belongs to, or null.
    public org.omg.CORBA.ORB orb() {
        return null;
    }

    // The next octet as java.io.InputStream reads it, -1 at the end.
    public int read() {
        if (available() <= 0) return -1;
        return read_octet() & 0xFF;
    }

    // The octets left, when the stream knows; 0 otherwise.
    public int available() {
        return 0;
    }
}

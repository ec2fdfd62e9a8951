package org.omg.CORBA;

// What a custom value's unmarshal reads its state from: the stream the
// value arrived in, inside the value's chunks.  Arrays are read into an
// array the caller allocates, or into a holder's.
public interface DataInputStream extends org.omg.CORBA.portable.ValueBase {
    Any read_any();
    boolean read_boolean();
    char read_char();
    char read_wchar();
    byte read_octet();
    short read_short();
    short read_ushort();
    int read_long();
    int read_ulong();
    long read_longlong();
    long read_ulonglong();
    float read_float();
    double read_double();
    // Java has no long double: raises NO_IMPLEMENT.
    double read_longdouble();
    String read_string();
    String read_wstring();
    org.omg.CORBA.Object read_Object();
    // A reference or a value, as an abstract interface travels.
    java.lang.Object read_Abstract();
    java.io.Serializable read_Value();
    TypeCode read_TypeCode();

    void read_any_array(Any[] seq, int offset, int length);
    void read_boolean_array(boolean[] seq, int offset, int length);
    void read_char_array(char[] seq, int offset, int length);
    void read_wchar_array(char[] seq, int offset, int length);
    void read_octet_array(byte[] seq, int offset, int length);
    void read_short_array(short[] seq, int offset, int length);
    void read_ushort_array(short[] seq, int offset, int length);
    void read_long_array(int[] seq, int offset, int length);
    void read_ulong_array(int[] seq, int offset, int length);
    void read_longlong_array(long[] seq, int offset, int length);
    void read_ulonglong_array(long[] seq, int offset, int length);
    void read_float_array(float[] seq, int offset, int length);
    void read_double_array(double[] seq, int offset, int length);

    // The same into a holder's array, made or grown to hold them.
    void read_any_array(AnySeqHolder seq, int offset, int length);
    void read_boolean_array(BooleanSeqHolder seq, int offset, int length);
    void read_char_array(CharSeqHolder seq, int offset, int length);
    void read_wchar_array(WCharSeqHolder seq, int offset, int length);
    void read_octet_array(OctetSeqHolder seq, int offset, int length);
    void read_short_array(ShortSeqHolder seq, int offset, int length);
    void read_ushort_array(UShortSeqHolder seq, int offset, int length);
    void read_long_array(LongSeqHolder seq, int offset, int length);
    void read_ulong_array(ULongSeqHolder seq, int offset, int length);
    void read_longlong_array(LongLongSeqHolder seq, int offset, int length);
    void read_ulonglong_array(ULongLongSeqHolder seq, int offset, int length);
    void read_float_array(FloatSeqHolder seq, int offset, int length);
    void read_double_array(DoubleSeqHolder seq, int offset, int length);
}

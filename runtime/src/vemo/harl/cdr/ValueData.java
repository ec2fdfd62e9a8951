package vemo.harl.cdr;

import org.omg.CORBA.Any;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.NO_IMPLEMENT;
import org.omg.CORBA.TypeCode;

// The streams a custom value's marshal and unmarshal see: the CDR stream
// the value travels in, inside its chunks.
final class ValueData {
    private ValueData() {
    }

    private static NO_IMPLEMENT longDouble() {
        return new NO_IMPLEMENT("long double: Java has no such type", 0, CompletionStatus.COMPLETED_NO);
    }

    static final class In implements org.omg.CORBA.DataInputStream {
        private final CDRInputStream in;

        In(CDRInputStream in) {
            this.in = in;
        }

        public String[] _truncatable_ids() {
            return new String[] {"IDL:omg.org/CORBA/DataInputStream:1.0"};
        }

        public Any read_any() { return in.read_any(); }
        public boolean read_boolean() { return in.read_boolean(); }
        public char read_char() { return in.read_char(); }
        public char read_wchar() { return in.read_wchar(); }
        public byte read_octet() { return in.read_octet(); }
        public short read_short() { return in.read_short(); }
        public short read_ushort() { return in.read_ushort(); }
        public int read_long() { return in.read_long(); }
        public int read_ulong() { return in.read_ulong(); }
        public long read_longlong() { return in.read_longlong(); }
        public long read_ulonglong() { return in.read_ulonglong(); }
        public float read_float() { return in.read_float(); }
        public double read_double() { return in.read_double(); }
        public double read_longdouble() { throw longDouble(); }
        public String read_string() { return in.read_string(); }
        public String read_wstring() { return in.read_wstring(); }
        public org.omg.CORBA.Object read_Object() { return in.read_Object(); }
        public java.lang.Object read_Abstract() { return in.read_abstract_interface(); }
        public java.io.Serializable read_Value() { return in.read_value(); }
        public TypeCode read_TypeCode() { return in.read_TypeCode(); }

        public void read_any_array(Any[] seq, int offset, int length) {
            if (seq == null || offset < 0 || length < 0 || offset > seq.length - length)
                throw new org.omg.CORBA.BAD_PARAM("elements " + offset + " + " + length, 0, CompletionStatus.COMPLETED_NO);
            for (int i = 0; i < length; i++) seq[offset + i] = in.read_any();
        }
        public void read_boolean_array(boolean[] seq, int offset, int length) { in.read_boolean_array(seq, offset, length); }
        public void read_char_array(char[] seq, int offset, int length) { in.read_char_array(seq, offset, length); }
        public void read_wchar_array(char[] seq, int offset, int length) { in.read_wchar_array(seq, offset, length); }
        public void read_octet_array(byte[] seq, int offset, int length) { in.read_octet_array(seq, offset, length); }
        public void read_short_array(short[] seq, int offset, int length) { in.read_short_array(seq, offset, length); }
        public void read_ushort_array(short[] seq, int offset, int length) { in.read_ushort_array(seq, offset, length); }
        public void read_long_array(int[] seq, int offset, int length) { in.read_long_array(seq, offset, length); }
        public void read_ulong_array(int[] seq, int offset, int length) { in.read_ulong_array(seq, offset, length); }
        public void read_longlong_array(long[] seq, int offset, int length) { in.read_longlong_array(seq, offset, length); }
        public void read_ulonglong_array(long[] seq, int offset, int length) { in.read_ulonglong_array(seq, offset, length); }
        public void read_float_array(float[] seq, int offset, int length) { in.read_float_array(seq, offset, length); }
        public void read_double_array(double[] seq, int offset, int length) { in.read_double_array(seq, offset, length); }

        // Room in the holder's array for `length` elements from `offset`,
        // each at least `size` octets of what is left.
        private <T> T room(T array, int have, int offset, int length, int size, java.util.function.IntFunction<T> make) {
            if (offset < 0 || length < 0 || (long) length * Math.max(size, 1) > in.available())
                throw new org.omg.CORBA.MARSHAL(length + " elements from " + offset + " beyond the data", 0,
                                                CompletionStatus.COMPLETED_NO);
            if (array != null && have >= offset + length) return array;
            T grown = make.apply(offset + length);
            if (array != null) System.arraycopy(array, 0, grown, 0, Math.min(have, offset + length));
            return grown;
        }

        public void read_any_array(org.omg.CORBA.AnySeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 4, Any[]::new);
            read_any_array(seq.value, offset, length);
        }

        public void read_boolean_array(org.omg.CORBA.BooleanSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 1, boolean[]::new);
            read_boolean_array(seq.value, offset, length);
        }

        public void read_char_array(org.omg.CORBA.CharSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 1, char[]::new);
            read_char_array(seq.value, offset, length);
        }

        public void read_wchar_array(org.omg.CORBA.WCharSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 2, char[]::new);
            read_wchar_array(seq.value, offset, length);
        }

        public void read_octet_array(org.omg.CORBA.OctetSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 1, byte[]::new);
            read_octet_array(seq.value, offset, length);
        }

        public void read_short_array(org.omg.CORBA.ShortSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 2, short[]::new);
            read_short_array(seq.value, offset, length);
        }

        public void read_ushort_array(org.omg.CORBA.UShortSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 2, short[]::new);
            read_ushort_array(seq.value, offset, length);
        }

        public void read_long_array(org.omg.CORBA.LongSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 4, int[]::new);
            read_long_array(seq.value, offset, length);
        }

        public void read_ulong_array(org.omg.CORBA.ULongSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 4, int[]::new);
            read_ulong_array(seq.value, offset, length);
        }

        public void read_longlong_array(org.omg.CORBA.LongLongSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 8, long[]::new);
            read_longlong_array(seq.value, offset, length);
        }

        public void read_ulonglong_array(org.omg.CORBA.ULongLongSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 8, long[]::new);
            read_ulonglong_array(seq.value, offset, length);
        }

        public void read_float_array(org.omg.CORBA.FloatSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 4, float[]::new);
            read_float_array(seq.value, offset, length);
        }

        public void read_double_array(org.omg.CORBA.DoubleSeqHolder seq, int offset, int length) {
            seq.value = room(seq.value, seq.value == null ? 0 : seq.value.length, offset, length, 8, double[]::new);
            read_double_array(seq.value, offset, length);
        }
    }

    static final class Out implements org.omg.CORBA.DataOutputStream {
        private final CDROutputStream out;

        Out(CDROutputStream out) {
            this.out = out;
        }

        public String[] _truncatable_ids() {
            return new String[] {"IDL:omg.org/CORBA/DataOutputStream:1.0"};
        }

        public void write_any(Any v) { out.write_any(v); }
        public void write_boolean(boolean v) { out.write_boolean(v); }
        public void write_char(char v) { out.write_char(v); }
        public void write_wchar(char v) { out.write_wchar(v); }
        public void write_octet(byte v) { out.write_octet(v); }
        public void write_short(short v) { out.write_short(v); }
        public void write_ushort(short v) { out.write_ushort(v); }
        public void write_long(int v) { out.write_long(v); }
        public void write_ulong(int v) { out.write_ulong(v); }
        public void write_longlong(long v) { out.write_longlong(v); }
        public void write_ulonglong(long v) { out.write_ulonglong(v); }
        public void write_float(float v) { out.write_float(v); }
        public void write_double(double v) { out.write_double(v); }
        public void write_longdouble(double v) { throw longDouble(); }
        public void write_string(String v) { out.write_string(v); }
        public void write_wstring(String v) { out.write_wstring(v); }
        public void write_Object(org.omg.CORBA.Object v) { out.write_Object(v); }
        public void write_Abstract(java.lang.Object v) { out.write_abstract_interface(v); }
        public void write_Value(java.io.Serializable v) { out.write_value(v); }
        public void write_TypeCode(TypeCode v) { out.write_TypeCode(v); }

        public void write_any_array(Any[] seq, int offset, int length) {
            if (seq == null || offset < 0 || length < 0 || offset > seq.length - length)
                throw new org.omg.CORBA.BAD_PARAM("elements " + offset + " + " + length, 0, CompletionStatus.COMPLETED_NO);
            for (int i = 0; i < length; i++) out.write_any(seq[offset + i]);
        }
        public void write_boolean_array(boolean[] seq, int offset, int length) { out.write_boolean_array(seq, offset, length); }
        public void write_char_array(char[] seq, int offset, int length) { out.write_char_array(seq, offset, length); }
        public void write_wchar_array(char[] seq, int offset, int length) { out.write_wchar_array(seq, offset, length); }
        public void write_octet_array(byte[] seq, int offset, int length) { out.write_octet_array(seq, offset, length); }
        public void write_short_array(short[] seq, int offset, int length) { out.write_short_array(seq, offset, length); }
        public void write_ushort_array(short[] seq, int offset, int length) { out.write_ushort_array(seq, offset, length); }
        public void write_long_array(int[] seq, int offset, int length) { out.write_long_array(seq, offset, length); }
        public void write_ulong_array(int[] seq, int offset, int length) { out.write_ulong_array(seq, offset, length); }
        public void write_longlong_array(long[] seq, int offset, int length) { out.write_longlong_array(seq, offset, length); }
        public void write_ulonglong_array(long[] seq, int offset, int length) { out.write_ulonglong_array(seq, offset, length); }
        public void write_float_array(float[] seq, int offset, int length) { out.write_float_array(seq, offset, length); }
        public void write_double_array(double[] seq, int offset, int length) { out.write_double_array(seq, offset, length); }
    }
}

package vemo.harl.cdr;

import java.lang.invoke.VarHandle;
import java.math.BigDecimal;
import java.math.BigInteger;
import java.util.List;

import org.omg.CORBA.Any;
import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.ORB;
import org.omg.CORBA.TypeCode;

// A CDR stream being read: octets [offset, offset + length) of a buffer,
// each value aligned to its size relative to an origin (the start of the
// stream unless set otherwise), in either byte order.  Every length read
// is checked against the octets left before anything is allocated, so a
// bad or hostile length raises MARSHAL, as does reading past the end;
// type codes and anys nest at most MAX_DEPTH deep.
public class CDRInputStream extends org.omg.CORBA_2_3.portable.InputStream {
    // How deep type codes may nest in one another, and anys in anys.
    public static final int MAX_DEPTH = 64;

    private final ORB orb;
    private final byte[] buf;
    private final int base;
    private int pos;
    private int end;
    private int origin;
    private boolean little;
    private int giopMinor;
    private int charCodeSet = CodeSets.ISO_8859_1;
    private int wcharCodeSet = CodeSets.UTF_16;
    private List<org.omg.CORBA.Object> objects;
    // The encapsulations being read inline: the limit, origin and byte
    // order outside each.
    private int[] saved = new int[12];
    private int depth;
    // The state of the top-level type code being read, and the nesting of
    // anys.
    TypeCodes.ReadContext typeCodes;
    private int anyDepth;

    // A stream over buffer[offset, offset + length), aligned from offset.
    public CDRInputStream(ORB orb, byte[] buffer, int offset, int length, boolean littleEndian, int giopMinor) {
        if (buffer == null) throw new BAD_PARAM("no buffer", 0, CompletionStatus.COMPLETED_NO);
        if (offset < 0 || length < 0 || offset > buffer.length - length)
            throw new BAD_PARAM("octets " + offset + " + " + length + " of " + buffer.length, 0,
                                CompletionStatus.COMPLETED_NO);
        if (giopMinor < 0 || giopMinor > 2) throw new BAD_PARAM("GIOP 1." + giopMinor, 0, CompletionStatus.COMPLETED_NO);
        this.orb = orb;
        this.buf = buffer;
        this.base = offset;
        this.pos = offset;
        this.end = offset + length;
        this.origin = offset;
        this.little = littleEndian;
        this.giopMinor = giopMinor;
    }

    // The whole buffer, big-endian, GIOP 1.2.
    public CDRInputStream(byte[] buffer) {
        this(null, buffer, 0, buffer.length, false, 2);
    }

    // The stream over an any's value.
    public static CDRInputStream forAnyValue(byte[] data, int start, int end, List<org.omg.CORBA.Object> objects) {
        CDRInputStream in = new CDRInputStream(null, data, start, end - start, false, 2);
        in.objects = objects;
        return in;
    }

    public ORB orb() {
        return orb;
    }

    void keepObjects(List<org.omg.CORBA.Object> list) {
        objects = list;
    }

    // Whether this reads an any's value (references kept aside).
    public boolean isAnyValue() {
        return objects != null;
    }

    public List<org.omg.CORBA.Object> objects() {
        return objects;
    }

    // Whether a value starting here may be kept as an any's value octets as
    // they are: big-endian, GIOP 1.2, default code sets, aligned to 8.
    public boolean alignedAtValueStart() {
        return !little && giopMinor == 2 && charCodeSet == CodeSets.ISO_8859_1 && wcharCodeSet == CodeSets.UTF_16
            && ((pos - origin) & 7) == 0 && depth == 0;
    }

    public byte[] buffer() {
        return buf;
    }

    public int position() {
        return pos;
    }

    // Moves to a position inside the stream's octets.
    public void position(int p) {
        if (p < base || p > end)
            throw new MARSHAL("position " + p + " outside " + base + " to " + end, 0, CompletionStatus.COMPLETED_NO);
        pos = p;
    }

    // Where the readable octets end.
    public int limit() {
        return end;
    }

    public int available() {
        return end - pos;
    }

    public void skip(int n) {
        need(n);
        pos += n;
    }

    public boolean isLittleEndian() {
        return little;
    }

    // The byte order of what follows (a GIOP header's flag).
    public void setLittleEndian(boolean littleEndian) {
        little = littleEndian;
    }

    public void setAlignmentOrigin(int position) {
        origin = position;
    }

    public int alignmentOrigin() {
        return origin;
    }

    public int giopMinor() {
        return giopMinor;
    }

    public void setGIOPMinor(int minor) {
        if (minor < 0 || minor > 2) throw new BAD_PARAM("GIOP 1." + minor, 0, CompletionStatus.COMPLETED_NO);
        giopMinor = minor;
    }

    public void setCharCodeSet(int codeSet) {
        CodeSets.checkChar(codeSet);
        charCodeSet = codeSet;
    }

    public void setWcharCodeSet(int codeSet) {
        CodeSets.checkWchar(codeSet);
        wcharCodeSet = codeSet;
    }

    public int charCodeSet() {
        return charCodeSet;
    }

    static MARSHAL marshal(String reason) {
        return new MARSHAL(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    private void need(long n) {
        if (n < 0 || n > end - pos)
            throw marshal("need " + n + " octets, " + (end - pos) + " left");
    }

    // Values read so far, by the position of their value tag, for the
    // indirections that may point back at them; and how deep boxed values
    // read through their Helpers nest.
    private java.util.Map<Integer, java.io.Serializable> valuesRead;
    private int valueDepth;
    public static final int MAX_VALUE_DEPTH = 512;

    @Override
    public java.io.Serializable read_value(org.omg.CORBA.portable.BoxedValueHelper helper) {
        align(4);
        int start = pos;
        int tag = read_long();
        if (tag == NULL_TAG) return null;
        if (tag == INDIRECTION_TAG) {
            int at = pos;
            int offset = read_long();
            java.io.Serializable earlier = valuesRead == null || offset > -4 ? null : valuesRead.get(at + offset);
            if (earlier == null) throw marshal("value indirection " + offset + " to no value read before");
            return earlier;
        }
        if (valueDepth >= MAX_VALUE_DEPTH) throw marshal("values nested more than " + MAX_VALUE_DEPTH + " deep");
        valueDepth++;
        java.io.Serializable value;
        try {
            readTypeInfo(tag, helper);
            value = helper.read_value(this);
        } finally {
            valueDepth--;
        }
        if (value != null) {
            if (valuesRead == null) valuesRead = new java.util.HashMap<>();
            valuesRead.put(start, value);
        }
        return value;
    }

    public void align(int n) {
        int pad = (n - ((pos - origin) & (n - 1))) & (n - 1);
        if (pad > end - pos) throw marshal("padding beyond the end");
        pos += pad;
    }

    private void prepare(int size) {
        int pad = (size - ((pos - origin) & (size - 1))) & (size - 1);
        if (pad + size > end - pos) throw marshal("need " + size + " octets, " + (end - pos - pad) + " left");
        pos += pad;
    }

    // An unsigned length that must fit in what is left, counting `size`
    // octets for each unit.
    public int read_length(int size) {
        int n = read_ulong();
        if (n < 0 || (long) n * size > end - pos)
            throw marshal("length " + (n & 0xFFFFFFFFL) + " beyond the " + (end - pos) + " octets left");
        return n;
    }

    // Octets copied out of the stream.
    public byte[] read_octets(int n) {
        need(n);
        byte[] out = java.util.Arrays.copyOfRange(buf, pos, pos + n);
        pos += n;
        return out;
    }

    // Encapsulations.  read_encapsulation gives a stream of its own over the
    // next encapsulation (its length, then its byte-order octet) and moves
    // past it; begin/endEncapsulation read one in place.
    public CDRInputStream read_encapsulation() {
        int n = read_length(1);
        if (n < 1) throw marshal("empty encapsulation");
        CDRInputStream in = new CDRInputStream(orb, buf, pos, n, false, giopMinor);
        in.charCodeSet = charCodeSet;
        in.wcharCodeSet = wcharCodeSet;
        in.little = byteOrder(buf[pos]);
        in.pos = pos + 1;
        pos += n;
        return in;
    }

    private static boolean byteOrder(byte flag) {
        if ((flag & 0xFE) != 0) throw marshal("byte-order octet " + (flag & 0xFF));
        return flag == 1;
    }

    public void beginEncapsulation() {
        int n = read_length(1);
        if (n < 1) throw marshal("empty encapsulation");
        if (depth * 3 + 3 > saved.length) saved = java.util.Arrays.copyOf(saved, saved.length * 2);
        saved[depth * 3] = end;
        saved[depth * 3 + 1] = origin;
        saved[depth * 3 + 2] = little ? 1 : 0;
        depth++;
        origin = pos;
        end = pos + n;
        little = byteOrder(buf[pos]);
        pos++;
    }

    // Moves past the rest of the encapsulation.
    public void endEncapsulation() {
        if (depth == 0) throw new BAD_PARAM("no encapsulation begun", 0, CompletionStatus.COMPLETED_NO);
        pos = end;
        depth--;
        end = saved[depth * 3];
        origin = saved[depth * 3 + 1];
        little = saved[depth * 3 + 2] == 1;
    }

    // Primitives.

    public boolean read_boolean() {
        need(1);
        return buf[pos++] != 0;
    }

    public byte read_octet() {
        need(1);
        return buf[pos++];
    }

    public char read_char() {
        need(1);
        return CodeSets.decodeChar(charCodeSet, buf[pos++]);
    }

    public short read_short() {
        prepare(2);
        short v = little ? (short) CDROutputStream.SHORT_LE.get(buf, pos) : (short) CDROutputStream.SHORT_BE.get(buf, pos);
        pos += 2;
        return v;
    }

    public short read_ushort() {
        return read_short();
    }

    public int read_long() {
        prepare(4);
        int v = little ? (int) CDROutputStream.INT_LE.get(buf, pos) : (int) CDROutputStream.INT_BE.get(buf, pos);
        pos += 4;
        return v;
    }

    public int read_ulong() {
        return read_long();
    }

    public long read_longlong() {
        prepare(8);
        long v = little ? (long) CDROutputStream.LONG_LE.get(buf, pos) : (long) CDROutputStream.LONG_BE.get(buf, pos);
        pos += 8;
        return v;
    }

    public long read_ulonglong() {
        return read_longlong();
    }

    public float read_float() {
        return Float.intBitsToFloat(read_long());
    }

    public double read_double() {
        return Double.longBitsToDouble(read_longlong());
    }

    // A long double's sixteen octets, most significant first.
    public byte[] read_longdouble_octets() {
        prepare(8);
        need(16);
        byte[] v = new byte[16];
        for (int i = 0; i < 16; i++) v[i] = buf[little ? pos + 15 - i : pos + i];
        pos += 16;
        return v;
    }

    private static char unit(byte hi, byte lo) {
        return (char) (((hi & 0xFF) << 8) | (lo & 0xFF));
    }

    public char read_wchar() {
        if (giopMinor == 0) throw marshal("wide characters need GIOP 1.1 or later");
        if (giopMinor == 1) return (char) read_short();
        need(1);
        int n = buf[pos++] & 0xFF;
        need(n);
        char c;
        if (n == 2) {
            c = unit(buf[pos], buf[pos + 1]);
        } else if (n == 4 && unit(buf[pos], buf[pos + 1]) == 0xFEFF) {
            c = unit(buf[pos + 2], buf[pos + 3]);
        } else if (n == 4 && unit(buf[pos], buf[pos + 1]) == 0xFFFE) {
            c = unit(buf[pos + 3], buf[pos + 2]);
        } else {
            throw marshal("wide character of " + n + " octets");
        }
        pos += n;
        return c;
    }

    public String read_string() {
        int n = read_length(1);
        if (n == 0) return "";
        if (buf[pos + n - 1] != 0) throw marshal("string without its terminating NUL");
        String s = CodeSets.decodeString(charCodeSet, buf, pos, n - 1);
        pos += n;
        return s;
    }

    public String read_wstring() {
        if (giopMinor == 0) throw marshal("wide strings need GIOP 1.1 or later");
        if (giopMinor == 1) {
            int n = read_length(2);
            if (n == 0) return "";
            char[] units = new char[n];
            for (int i = 0; i < n; i++) units[i] = (char) read_short();
            int length = units[n - 1] == 0 ? n - 1 : n;
            return new String(units, 0, length);
        }
        int n = read_length(1);
        if ((n & 1) != 0) throw marshal("wide string of an odd " + n + " octets");
        int from = pos;
        boolean swap = false;
        if (n >= 2) {
            char bom = unit(buf[pos], buf[pos + 1]);
            if (bom == 0xFEFF || bom == 0xFFFE) {
                swap = bom == 0xFFFE;
                from += 2;
            }
        }
        int count = (pos + n - from) / 2;
        char[] units = new char[count];
        for (int i = 0; i < count; i++) {
            int at = from + 2 * i;
            units[i] = swap ? unit(buf[at + 1], buf[at]) : unit(buf[at], buf[at + 1]);
        }
        pos += n;
        return new String(units);
    }

    // Arrays: the whole length checked first, then bulk reads.

    private void range(java.lang.Object array, int length, int offset, int count) {
        if (array == null) throw new BAD_PARAM("null array", 0, CompletionStatus.COMPLETED_NO);
        if (offset < 0 || count < 0 || offset > length - count)
            throw new BAD_PARAM("elements " + offset + " to " + ((long) offset + count) + " of " + length, 0,
                                CompletionStatus.COMPLETED_NO);
    }

    private java.nio.ByteBuffer view(int n) {
        return java.nio.ByteBuffer.wrap(buf, pos, n).slice()
            .order(little ? java.nio.ByteOrder.LITTLE_ENDIAN : java.nio.ByteOrder.BIG_ENDIAN);
    }

    private void arrayOf(int count, int size) {
        if (count == 0) return;
        prepare(size);
        need((long) count * size);
    }

    public void read_octet_array(byte[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        need(len);
        System.arraycopy(buf, pos, v, off, len);
        pos += len;
    }

    public void read_boolean_array(boolean[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        need(len);
        for (int i = 0; i < len; i++) v[off + i] = buf[pos++] != 0;
    }

    public void read_char_array(char[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        need(len);
        for (int i = 0; i < len; i++) v[off + i] = CodeSets.decodeChar(charCodeSet, buf[pos++]);
    }

    public void read_wchar_array(char[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        for (int i = 0; i < len; i++) v[off + i] = read_wchar();
    }

    public void read_short_array(short[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        arrayOf(len, 2);
        view(2 * len).asShortBuffer().get(v, off, len);
        pos += 2 * len;
    }

    public void read_ushort_array(short[] v, int off, int len) {
        read_short_array(v, off, len);
    }

    public void read_long_array(int[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        arrayOf(len, 4);
        view(4 * len).asIntBuffer().get(v, off, len);
        pos += 4 * len;
    }

    public void read_ulong_array(int[] v, int off, int len) {
        read_long_array(v, off, len);
    }

    public void read_longlong_array(long[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        arrayOf(len, 8);
        view(8 * len).asLongBuffer().get(v, off, len);
        pos += 8 * len;
    }

    public void read_ulonglong_array(long[] v, int off, int len) {
        read_longlong_array(v, off, len);
    }

    public void read_float_array(float[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        arrayOf(len, 4);
        view(4 * len).asFloatBuffer().get(v, off, len);
        pos += 4 * len;
    }

    public void read_double_array(double[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        arrayOf(len, 8);
        view(8 * len).asDoubleBuffer().get(v, off, len);
        pos += 8 * len;
    }

    public void read_string_array(String[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        for (int i = 0; i < len; i++) v[off + i] = read_string();
    }

    public void read_wstring_array(String[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        for (int i = 0; i < len; i++) v[off + i] = read_wstring();
    }

    // References: in an any's value by index, elsewhere as an IOR.
    public org.omg.CORBA.Object read_Object() {
        if (objects != null) {
            int i = read_ulong();
            if (i < 0 || i >= objects.size()) throw marshal("reference " + i + " of " + objects.size());
            return objects.get(i);
        }
        return vemo.harl.ior.ObjectRefs.read(this);
    }

    public TypeCode read_TypeCode() {
        boolean top = typeCodes == null;
        if (top) typeCodes = new TypeCodes.ReadContext();
        try {
            return TypeCodes.read(this);
        } finally {
            if (top) typeCodes = null;
        }
    }

    public Any read_any() {
        if (anyDepth >= MAX_DEPTH) throw marshal("anys nested deeper than " + MAX_DEPTH);
        anyDepth++;
        try {
            TypeCode t = read_TypeCode();
            Any a = new Any();
            a.read_value(this, t);
            return a;
        } finally {
            anyDepth--;
        }
    }

    // Fixed-point: packed decimal digits, the sign in the last half-octet.
    public BigDecimal read_fixed(short digits, short scale) {
        if (digits < 1 || digits > 31 || scale < 0 || scale > digits)
            throw marshal("fixed<" + digits + "," + scale + ">");
        int count = (digits + 2) / 2;
        need(count);
        StringBuilder text = new StringBuilder(count * 2);
        int sign = 0;
        for (int i = 0; i < count; i++) {
            int b = buf[pos + i] & 0xFF;
            int hi = b >> 4, lo = b & 0xF;
            if (hi > 9) throw marshal("fixed digit 0x" + Integer.toHexString(hi));
            text.append((char) ('0' + hi));
            if (i == count - 1) {
                sign = lo;
            } else {
                if (lo > 9) throw marshal("fixed digit 0x" + Integer.toHexString(lo));
                text.append((char) ('0' + lo));
            }
        }
        if (sign != 0xC && sign != 0xD && sign != 0xF) throw marshal("fixed sign 0x" + Integer.toHexString(sign));
        pos += count;
        BigInteger unscaled = new BigInteger(text.toString());
        if (sign == 0xD) unscaled = unscaled.negate();
        return new BigDecimal(unscaled, scale);
    }

    // Reads the next octet for java.io.InputStream, -1 at the end.
    public int read() {
        if (pos >= end) return -1;
        return buf[pos++] & 0xFF;
    }
}

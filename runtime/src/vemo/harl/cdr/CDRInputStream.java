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
public class CDRInputStream extends org.omg.CORBA_2_3.portable.InputStream implements CdrStream {
    // How deep type codes may nest in one another, and anys in anys.
    public static final int MAX_DEPTH = 64;

    private final ORB orb;
    private final CdrSettings st;
    private final byte[] buf;
    private final int base;
    private int pos;
    private int end;
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
        this.st = new CdrSettings(littleEndian, giopMinor, offset);
        this.orb = orb;
        this.buf = buffer;
        this.base = offset;
        this.pos = offset;
        this.end = offset + length;
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

    public CdrSettings settings() {
        return st;
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
        return st.anyValueDefaults() && ((pos - st.origin) & 7) == 0 && depth == 0 && chunkEnd < 0;
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

    // The byte order of what follows (a GIOP header's flag).
    public void setLittleEndian(boolean littleEndian) {
        st.little = littleEndian;
    }

    static MARSHAL marshal(String reason) {
        return new MARSHAL(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    private void need(long n) {
        if (chunkEnd >= 0) inChunk(1, n);
        if (n < 0 || n > end - pos)
            throw marshal("need " + n + " octets, " + (end - pos) + " left");
    }

    // Inside a chunked value's state, aligning first moves into the next
    // chunk when the current one has nothing left but padding.
    public void align(int n) {
        if (chunkEnd >= 0) inChunk(n, 1);
        rawAlign(n);
    }

    private void rawAlign(int n) {
        int pad = st.padding(pos, n);
        if (pad > end - pos) throw marshal("padding beyond the end");
        pos += pad;
    }

    private void prepare(int size) {
        if (chunkEnd >= 0) inChunk(size, size);
        int pad = st.padding(pos, size);
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
        if (chunkEnd >= 0) withinChunk(n);
        CDRInputStream in = new CDRInputStream(orb, buf, pos, n, false, st.giopMinor);
        in.st.copyCodeSets(st);
        in.st.little = byteOrder(buf[pos]);
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
        if (chunkEnd >= 0) withinChunk(n);
        if (depth * 3 + 3 > saved.length) saved = java.util.Arrays.copyOf(saved, saved.length * 2);
        saved[depth * 3] = end;
        saved[depth * 3 + 1] = st.origin;
        saved[depth * 3 + 2] = st.little ? 1 : 0;
        depth++;
        st.origin = pos;
        end = pos + n;
        st.little = byteOrder(buf[pos]);
        pos++;
    }

    // Moves past the rest of the encapsulation.
    public void endEncapsulation() {
        if (depth == 0) throw new BAD_PARAM("no encapsulation begun", 0, CompletionStatus.COMPLETED_NO);
        pos = end;
        depth--;
        end = saved[depth * 3];
        st.origin = saved[depth * 3 + 1];
        st.little = saved[depth * 3 + 2] == 1;
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
        return CodeSets.decodeChar(st.charCodeSet, buf[pos++]);
    }

    public short read_short() {
        prepare(2);
        short v = st.little ? (short) CDROutputStream.SHORT_LE.get(buf, pos) : (short) CDROutputStream.SHORT_BE.get(buf, pos);
        pos += 2;
        return v;
    }

    public short read_ushort() {
        return read_short();
    }

    public int read_long() {
        prepare(4);
        int v = st.little ? (int) CDROutputStream.INT_LE.get(buf, pos) : (int) CDROutputStream.INT_BE.get(buf, pos);
        pos += 4;
        return v;
    }

    public int read_ulong() {
        return read_long();
    }

    public long read_longlong() {
        prepare(8);
        long v = st.little ? (long) CDROutputStream.LONG_LE.get(buf, pos) : (long) CDROutputStream.LONG_BE.get(buf, pos);
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
        for (int i = 0; i < 16; i++) v[i] = buf[st.little ? pos + 15 - i : pos + i];
        pos += 16;
        return v;
    }

    private static char unit(byte hi, byte lo) {
        return (char) (((hi & 0xFF) << 8) | (lo & 0xFF));
    }

    public char read_wchar() {
        if (st.giopMinor == 0) throw marshal("wide characters need GIOP 1.1 or later");
        if (st.giopMinor == 1) return (char) read_short();
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
        if (chunkEnd >= 0) withinChunk(n);
        if (buf[pos + n - 1] != 0) throw marshal("string without its terminating NUL");
        String s = CodeSets.decodeString(st.charCodeSet, buf, pos, n - 1);
        pos += n;
        return s;
    }

    public String read_wstring() {
        if (st.giopMinor == 0) throw marshal("wide strings need GIOP 1.1 or later");
        if (st.giopMinor == 1) {
            int n = read_length(2);
            if (n == 0) return "";
            char[] units = new char[n];
            for (int i = 0; i < n; i++) units[i] = (char) read_short();
            int length = units[n - 1] == 0 ? n - 1 : n;
            return new String(units, 0, length);
        }
        int n = read_length(1);
        if ((n & 1) != 0) throw marshal("wide string of an odd " + n + " octets");
        if (chunkEnd >= 0) withinChunk(n);
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
            .order(st.little ? java.nio.ByteOrder.LITTLE_ENDIAN : java.nio.ByteOrder.BIG_ENDIAN);
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
        for (int i = 0; i < len; i++) v[off + i] = CodeSets.decodeChar(st.charCodeSet, buf[pos++]);
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
        return references().read(this);
    }

    // How this stream's references travel: its ORB's, found when first needed.
    private References references;

    private References references() {
        References r = references;
        if (r == null) references = r = References.of(orb);
        return r;
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
        need(1);
        return buf[pos++] & 0xFF;
    }

    // Moves past n octets and gives where they start (inside a chunked
    // value, after the next chunk's size when that comes first).
    public int skipOctets(int n) {
        need(n);
        int at = pos;
        pos += n;
        return at;
    }

    // Values.  A value is its tag (null, an indirection back to a value
    // read before, or a value tag with an optional code base and the
    // repository identifiers of its type), then its state, which a chunked
    // value (a truncatable or custom type, or any value inside one) splits
    // into chunks ended by an end tag.  The state is read through the value
    // factory of the first identifier this process knows, so an unknown
    // derived type is truncated to a known base, its own state skipped.
    // Every count is checked against the octets left, indirections must
    // point back to a value or identifier read before, and values nest at
    // most MAX_VALUE_DEPTH deep.

    public static final int MAX_VALUE_DEPTH = 512;
    // What readValueHeader found.
    static final int NULL_VALUE = 0, EARLIER_VALUE = 1, NEW_VALUE = 2;

    static final class ValueHeader {
        int kind;
        // Where the value tag is; for EARLIER_VALUE, where the earlier
        // value's tag is.
        int tagAt;
        // The repository identifiers on the wire, most derived first, or
        // null when the tag carries none.
        String[] ids;
        boolean chunked;
    }

    // Values read so far by where their tag is; repository identifiers,
    // code bases and identifier lists by where they are (each may be the
    // target of an indirection).
    private java.util.Map<Integer, java.io.Serializable> valuesRead;
    private java.util.Map<Integer, java.lang.Object> idsRead;
    private int valueDepth;
    // The chunked values open; where the current chunk ends (-1: not in a
    // chunked value's state); the level down to which an end tag already
    // closed the values around the one it ended (0: none).
    private int chunkLevel;
    private int chunkEnd = -1;
    private int closedTo;
    // The tag of the value whose factory is making its instance, until
    // the factory hands it to read_value(Serializable).
    private int valueStart = -1;

    // Inside a chunked value's state: the next n octets, aligned to `align`,
    // must lie in one chunk; where the current chunk has nothing left but
    // padding, the next chunk's size comes first.
    private void inChunk(int align, long n) {
        if (n == 0) return;
        if (closedTo > 0) throw marshal("a value's state read past its end tag");
        int pad = st.padding(pos, align);
        if (pos + pad >= chunkEnd) {
            int limit = chunkEnd;
            chunkEnd = -1;
            if (pos < limit) pos = limit;
            int size = read_long();
            if (size <= 0 || size >= VALUE_TAG_BASE)
                throw marshal((size < 0 ? "an end tag" : "value tag 0x" + Integer.toHexString(size))
                              + " where a value's state goes on");
            if (size > end - pos) throw marshal("chunk of " + size + " octets beyond the " + (end - pos) + " left");
            chunkEnd = pos + size;
            pad = st.padding(pos, align);
        }
        if (pad + n > chunkEnd - pos) throw marshal("value data of " + n + " octets across the end of its chunk");
    }

    // The octets of a string or encapsulation after its length: in the
    // same chunk as the length.
    private void withinChunk(int n) {
        if (n > chunkEnd - pos) throw marshal(n + " octets after their length across the end of a chunk");
    }

    // The tag where a value is expected and, for a new value, its code base
    // and repository identifiers; a chunked value's state begins.  A new
    // value must be ended with endValue.
    ValueHeader readValueHeader() {
        ValueHeader h = new ValueHeader();
        boolean inside = false;  // the tag is data of the enclosing value's chunk
        if (chunkEnd >= 0) {
            if (closedTo > 0) throw marshal("a value read past the end tag of the value around it");
            rawAlign(4);
            if (pos < chunkEnd) {
                inside = true;
            } else {
                chunkEnd = -1;
                int at = pos;
                int v = read_long();
                if (v > 0 && v < VALUE_TAG_BASE) {
                    if (v > end - pos) throw marshal("chunk of " + v + " octets beyond the " + (end - pos) + " left");
                    chunkEnd = pos + v;
                    inside = true;
                } else {
                    pos = at;
                }
            }
        }
        int tag = read_long();
        int tagAt = pos - 4;
        if (tag == NULL_TAG || tag == INDIRECTION_TAG) {
            if (tag == INDIRECTION_TAG) {
                h.kind = EARLIER_VALUE;
                h.tagAt = earlier(tagAt, "value");
            }
            if (!inside && chunkLevel > 0) chunkEnd = pos;
            return h;
        }
        if (inside) throw marshal("a value tag inside a chunk of the value around it");
        if (tag < VALUE_TAG_BASE || (tag & 0xF0) != 0 || (tag & TYPE_INFO_MASK) == 4)
            throw marshal("value tag 0x" + Integer.toHexString(tag));
        boolean chunked = (tag & CHUNKED_BIT) != 0;
        if (chunkLevel > 0 && !chunked) throw marshal("a value without chunks inside a chunked value");
        if (valueDepth >= MAX_VALUE_DEPTH) throw marshal("values nested more than " + MAX_VALUE_DEPTH + " deep");
        if ((tag & CODEBASE_BIT) != 0) readId("code base");
        int info = tag & TYPE_INFO_MASK;
        if (info == SINGLE_ID) h.ids = new String[] {readId("repository identifier")};
        else if (info == ID_LIST) h.ids = readIdList();
        valueDepth++;
        if (chunked) {
            chunkLevel++;
            chunkEnd = pos;
        }
        h.kind = NEW_VALUE;
        h.tagAt = tagAt;
        h.chunked = chunked;
        return h;
    }

    // After the indirection tag at `at`: the offset, which must point back
    // into what this stream has read.
    private int earlier(int at, String what) {
        int offAt = pos;
        int offset = read_long();
        long target = (long) offAt + offset;
        if (target >= at || target < (depth > 0 ? st.origin : base))
            throw marshal(what + " indirection " + offset + " does not point back into the data");
        return (int) target;
    }

    // A repository identifier or code base URL, or an indirection to one
    // read before.
    private String readId(String what) {
        rawAlign(4);
        int at = pos;
        if (read_long() == INDIRECTION_TAG) {
            java.lang.Object s = idsRead == null ? null : idsRead.get(earlier(at, what));
            if (!(s instanceof String)) throw marshal(what + " indirection to no " + what + " read before");
            return (String) s;
        }
        pos = at;
        String s = read_string();
        if (idsRead == null) idsRead = new java.util.HashMap<>();
        idsRead.put(at, s);
        return s;
    }

    private String[] readIdList() {
        rawAlign(4);
        int at = pos;
        int n = read_long();
        if (n == INDIRECTION_TAG) {
            java.lang.Object l = idsRead == null ? null : idsRead.get(earlier(at, "identifier list"));
            if (!(l instanceof String[])) throw marshal("identifier list indirection to no list read before");
            return (String[]) l;
        }
        if (n <= 0 || n > available() / 4)
            throw marshal("list of " + (n & 0xFFFFFFFFL) + " repository identifiers in " + available() + " octets");
        String[] ids = new String[n];
        for (int i = 0; i < n; i++) ids[i] = readId("repository identifier");
        idsRead.put(at, ids);
        return ids;
    }

    // Ends the value readValueHeader began: for a chunked one, skips what
    // of its state was not read (the state of a type it was truncated
    // from, nested values included) up to its end tag.
    void endValue(ValueHeader h) {
        valueDepth--;
        if (!h.chunked) return;
        int level = chunkLevel;
        if (closedTo == 0) {
            for (;;) {
                if (chunkEnd >= 0 && pos < chunkEnd) pos = chunkEnd;
                chunkEnd = -1;
                rawAlign(4);
                int at = pos;
                int v = read_long();
                if (v < 0) {
                    // An end tag: the nesting level it ends.  One that names
                    // an outer level also ends the values in between; one
                    // beyond this level (a writer counting values without
                    // chunks around) ends this one.
                    int n = v == Integer.MIN_VALUE ? Integer.MAX_VALUE : -v;
                    if (n < level) closedTo = n;
                    break;
                }
                if (v > 0 && v < VALUE_TAG_BASE) {
                    if (v > end - pos) throw marshal("chunk of " + v + " octets beyond the " + (end - pos) + " left");
                    chunkEnd = pos + v;
                    continue;
                }
                if (v == NULL_TAG) continue;
                // A nested value of the state skipped.  An indirection after
                // the truncated value may name it again, so one whose type
                // (or a base it truncates to) is known here is read and
                // remembered; any other is skipped whole.
                pos = at;
                chunkEnd = pos;
                ValueHeader nested = readValueHeader();
                if (nested.kind == NEW_VALUE) {
                    if (!nested.chunked) throw marshal("a value without chunks inside a chunked value");
                    if (readable(nested)) finishValue(nested, null, null, null);
                    else endValue(nested);
                }
                if (closedTo > 0) break;
            }
        }
        chunkLevel--;
        if (chunkLevel < closedTo) closedTo = 0;
        chunkEnd = chunkLevel > 0 ? pos : -1;
    }

    // Whether a value whose header was read can be read as a Java value:
    // a factory or box Helper of one of its types is known here.
    private boolean readable(ValueHeader h) {
        if (h.ids == null) return false;
        for (String id : h.ids) {
            if (knowsValueType(id)) return true;
        }
        return false;
    }

    private void remember(int tagAt, java.io.Serializable value) {
        if (valuesRead == null) valuesRead = new java.util.HashMap<>();
        valuesRead.putIfAbsent(tagAt, value);
    }

    // The repository identifiers this stream has looked up: a message
    // naming more types than any real one does is refused rather than
    // have each unknown name searched for as a class.
    static final int MAX_VALUE_TYPES = 256;
    private java.util.Set<String> typesLookedUp;

    void lookingUp(String id) {
        if (typesLookedUp == null) typesLookedUp = new java.util.HashSet<>();
        if (typesLookedUp.add(id) && typesLookedUp.size() > MAX_VALUE_TYPES)
            throw marshal("values of more than " + MAX_VALUE_TYPES + " types in one message");
    }

    private org.omg.CORBA.portable.ValueFactory factory(String id) {
        lookingUp(id);
        return (orb != null ? orb : ORB.init()).lookup_value_factory(id);
    }

    private java.io.Serializable readValue(String expectedId, Class<?> clz,
                                           org.omg.CORBA.portable.BoxedValueHelper helper) {
        ValueHeader h = readValueHeader();
        if (h.kind == NULL_VALUE) return null;
        if (h.kind == EARLIER_VALUE) {
            java.io.Serializable v = valuesRead == null ? null : valuesRead.get(h.tagAt);
            if (v == null) throw marshal("value indirection to no value read before");
            if (clz != null && !clz.isInstance(v))
                throw marshal("value indirection to a " + v.getClass().getName() + " where a " + clz.getName()
                              + " is expected");
            return v;
        }
        return finishValue(h, expectedId, clz, helper);
    }

    private java.io.Serializable finishValue(ValueHeader h, String expectedId, Class<?> clz,
                                             org.omg.CORBA.portable.BoxedValueHelper helper) {
        int outer = valueStart;
        try {
            java.io.Serializable v = readState(h, expectedId, clz, helper);
            endValue(h);
            return v;
        } finally {
            valueStart = outer;
        }
    }

    // The value whose header readValueHeader read, through the factory of
    // its own type, which must be known here.
    java.io.Serializable finishValue(ValueHeader h) {
        return finishValue(h, null, null, null);
    }

    // The value read earlier from this stream whose tag is at tagAt, or null.
    java.io.Serializable valueAt(int tagAt) {
        return valuesRead == null ? null : valuesRead.get(tagAt);
    }

    // Whether a value of the type with this identifier can be read as a
    // Java value (its factory or box Helper is known here).
    boolean knowsValueType(String id) {
        return factory(id) != null || ValueFactories.boxHelper(id) != null;
    }

    private java.io.Serializable readState(ValueHeader h, String expectedId, Class<?> clz,
                                           org.omg.CORBA.portable.BoxedValueHelper helper) {
        String[] ids = h.ids != null ? h.ids : expectedId != null ? new String[] {expectedId} : null;
        if (helper == null && ids != null && factory(ids[0]) == null) helper = ValueFactories.boxHelper(ids[0]);
        if (helper != null) {
            String id = helper.get_id();
            if (h.ids != null && !h.ids[0].equals(id))
                throw marshal("boxed value of type " + h.ids[0] + " where " + id + " is expected");
            java.io.Serializable v = helper.read_value(this);
            if (v != null) remember(h.tagAt, v);
            return v;
        }
        org.omg.CORBA.portable.ValueFactory f = null;
        int i = 0;
        if (ids != null) {
            while (i < ids.length && (f = factory(ids[i])) == null) i++;
        }
        if (f == null && h.ids == null && clz != null) {
            f = ValueFactories.forClass(clz);
            i = 0;
        }
        if (f == null)
            throw new MARSHAL("no value factory for " + (ids == null ? "a value without repository identifier"
                                                                   : String.join(", ", ids)),
                              0x4f4d0001, CompletionStatus.COMPLETED_NO);
        if (i > 0) {
            if (!h.chunked)
                throw marshal("value of the unknown type " + ids[0] + " without chunks cannot be truncated to " + ids[i]);
            int wanted = expectedId == null ? -1 : java.util.Arrays.asList(ids).indexOf(expectedId);
            if (wanted >= 0 && wanted < i)
                throw marshal("value of type " + ids[0] + " truncated to " + ids[i] + ", a base of the expected "
                              + expectedId);
        }
        valueStart = h.tagAt;
        java.io.Serializable v = f.read_value(this);
        if (v == null) throw marshal("the factory of " + ids[i] + " gave no value");
        remember(h.tagAt, v);
        if (clz != null && !clz.isInstance(v))
            throw marshal("value of type " + v.getClass().getName() + " where a " + clz.getName() + " is expected");
        return v;
    }

    @Override
    public java.io.Serializable read_value() {
        return readValue(null, null, null);
    }

    @Override
    @SuppressWarnings("rawtypes")
    public java.io.Serializable read_value(Class clz) {
        return readValue(null, clz, null);
    }

    @Override
    public java.io.Serializable read_value(String repositoryId) {
        return readValue(repositoryId, null, null);
    }

    @Override
    public java.io.Serializable read_value(org.omg.CORBA.portable.BoxedValueHelper helper) {
        if (helper == null) throw new BAD_PARAM("no boxed value helper", 0, CompletionStatus.COMPLETED_NO);
        return readValue(helper.get_id(), null, helper);
    }

    // A factory's instance: registered as the value being read (so that
    // indirections inside its state find it), then its state read into it.
    @Override
    public java.io.Serializable read_value(java.io.Serializable value) {
        if (value == null) throw new BAD_PARAM("no value instance", 0, CompletionStatus.COMPLETED_NO);
        if (valueStart < 0)
            throw new org.omg.CORBA.BAD_INV_ORDER("read_value(Serializable) outside a value factory's read_value", 0,
                                                   CompletionStatus.COMPLETED_NO);
        remember(valueStart, value);
        valueStart = -1;
        if (value instanceof org.omg.CORBA.portable.StreamableValue) {
            ((org.omg.CORBA.portable.StreamableValue) value).__read(this);
        } else if (value instanceof org.omg.CORBA.CustomMarshal) {
            ((org.omg.CORBA.CustomMarshal) value).unmarshal(new ValueData.In(this));
        } else {
            throw new BAD_PARAM("a " + value.getClass().getName() + " is neither a StreamableValue nor CustomMarshal",
                                0, CompletionStatus.COMPLETED_NO);
        }
        return value;
    }

    // The discriminator (TRUE: an object reference), then the reference or
    // the value.
    @Override
    public java.lang.Object read_abstract_interface() {
        return read_boolean() ? read_Object() : read_value();
    }

    @Override
    @SuppressWarnings("rawtypes")
    public java.lang.Object read_abstract_interface(Class clz) {
        return read_boolean() ? read_Object(clz) : read_value();
    }
}


package vemo.harl.cdr;

import java.lang.invoke.MethodHandles;
import java.lang.invoke.VarHandle;
import java.math.BigDecimal;
import java.nio.ByteOrder;
import java.util.ArrayList;
import java.util.IdentityHashMap;
import java.util.List;

import org.omg.CORBA.Any;
import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.DATA_CONVERSION;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.ORB;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;

import static org.omg.CORBA_2_3.portable.InputStream.CHUNKED_BIT;
import static org.omg.CORBA_2_3.portable.InputStream.ID_LIST;
import static org.omg.CORBA_2_3.portable.InputStream.INDIRECTION_TAG;
import static org.omg.CORBA_2_3.portable.InputStream.NULL_TAG;
import static org.omg.CORBA_2_3.portable.InputStream.SINGLE_ID;
import static org.omg.CORBA_2_3.portable.InputStream.VALUE_TAG_BASE;

// A CDR stream being written, as GIOP 1.0 to 1.2 define it: each value
// aligned to its size relative to an origin (the start of the stream, of
// the GIOP message, or of the encapsulation being written), in the byte
// order chosen at construction (big-endian unless asked otherwise).
// Strings travel in the char code set (ISO-8859-1 unless set otherwise),
// wide characters in UTF-16; a character the code set cannot carry raises
// DATA_CONVERSION.
public class CDROutputStream extends org.omg.CORBA_2_3.portable.OutputStream implements CdrStream {
    static final VarHandle SHORT_BE = MethodHandles.byteArrayViewVarHandle(short[].class, ByteOrder.BIG_ENDIAN);
    static final VarHandle SHORT_LE = MethodHandles.byteArrayViewVarHandle(short[].class, ByteOrder.LITTLE_ENDIAN);
    static final VarHandle INT_BE = MethodHandles.byteArrayViewVarHandle(int[].class, ByteOrder.BIG_ENDIAN);
    static final VarHandle INT_LE = MethodHandles.byteArrayViewVarHandle(int[].class, ByteOrder.LITTLE_ENDIAN);
    static final VarHandle LONG_BE = MethodHandles.byteArrayViewVarHandle(long[].class, ByteOrder.BIG_ENDIAN);
    static final VarHandle LONG_LE = MethodHandles.byteArrayViewVarHandle(long[].class, ByteOrder.LITTLE_ENDIAN);

    private final ORB orb;
    private final CdrSettings st;
    private byte[] buf;
    private int pos;
    // References written into an any's value are kept here, by index.
    private List<org.omg.CORBA.Object> objects;
    // Set once an input stream shares the buffer: the next write copies it.
    private boolean shared;
    // The encapsulations being written: where each length field is and the
    // origin outside it.
    private int[] encapsulations = new int[8];
    private int depth;
    // The type codes written in the current top-level type code, by where
    // they start, for indirections.
    private IdentityHashMap<TypeCode, Integer> typeCodesWritten;
    private int typeCodeDepth;

    public CDROutputStream() {
        this(null, 2, false);
    }

    public CDROutputStream(ORB orb) {
        this(orb, 2, false);
    }

    // A stream for GIOP 1.giopMinor in the given byte order.
    public CDROutputStream(ORB orb, int giopMinor, boolean littleEndian) {
        this(orb, giopMinor, littleEndian, 256);
    }

    public CDROutputStream(ORB orb, int giopMinor, boolean littleEndian, int capacity) {
        this(orb, giopMinor, littleEndian, new byte[Math.max(16, capacity)]);
    }

    // A stream that writes into buffer from its start (what it holds is
    // overwritten, never read), growing into a new one when it must.
    public CDROutputStream(ORB orb, int giopMinor, boolean littleEndian, byte[] buffer) {
        if (buffer == null || buffer.length < 16) throw new BAD_PARAM("a buffer of at least 16 octets", 0, CompletionStatus.COMPLETED_NO);
        this.st = new CdrSettings(littleEndian, giopMinor, 0);
        this.orb = orb;
        this.buf = buffer;
    }

    // The stream an any's value is marshalled into: big-endian, GIOP 1.2,
    // references kept aside.
    public static CDROutputStream forAnyValue() {
        CDROutputStream out = new CDROutputStream(null, 2, false, 64);
        out.objects = new ArrayList<>();
        return out;
    }

    public CdrSettings settings() {
        return st;
    }

    public ORB orb() {
        return orb;
    }

    // The octets written so far.
    public int size() {
        return pos;
    }

    public int position() {
        return pos;
    }

    // The buffer itself (valid up to size()), for sending without a copy.
    public byte[] buffer() {
        shared = true;
        return buf;
    }

    public byte[] toByteArray() {
        return java.util.Arrays.copyOf(buf, pos);
    }

    // Forgets what was written, keeping the settings.
    public void reset() {
        if (shared) {
            buf = new byte[buf.length];
            shared = false;
        }
        pos = 0;
        st.origin = 0;
        depth = 0;
        valuesWritten = null;
        chunkLevel = 0;
        chunkAt = -1;
        valueDepth = 0;
        pendingEnd = 0;
        if (objects != null) objects = new ArrayList<>();
    }

    private void ensure(int n) {
        if (pendingEnd != 0) flushEnd(true);
        int need = pos + n;
        if (need < 0) throw new org.omg.CORBA.IMP_LIMIT("message over 2 GB", 0, CompletionStatus.COMPLETED_NO);
        if (need > buf.length || shared) {
            // doubling, or straight to what a large write needs (a bulk
            // array is most often the last thing a message holds)
            int size = buf.length > (1 << 29) ? Integer.MAX_VALUE - 16 : Math.max(need, buf.length * 2);
            if (need > size) throw new org.omg.CORBA.IMP_LIMIT("message over 2 GB", 0, CompletionStatus.COMPLETED_NO);
            buf = java.util.Arrays.copyOf(buf, size);
            shared = false;
        }
    }

    // Pads with zero octets to a multiple of n from the origin.
    public void align(int n) {
        if (pendingEnd != 0) flushEnd(true);
        int pad = st.padding(pos, n);
        if (pad == 0) return;
        ensure(pad);
        for (int i = 0; i < pad; i++) buf[pos++] = 0;
    }

    private void prepare(int size) {
        if (pendingEnd != 0) flushEnd(true);
        int pad = st.padding(pos, size);
        ensure(pad + size);
        for (int i = 0; i < pad; i++) buf[pos++] = 0;
    }

    // Writes an unsigned long at an earlier position (a message size, an
    // encapsulation length), in the stream's byte order.
    public void patchLong(int position, int value) {
        if (position < 0 || position + 4 > pos)
            throw new BAD_PARAM("patch at " + position + " outside " + pos + " octets", 0, CompletionStatus.COMPLETED_NO);
        if (shared) ensure(0);
        if (st.little) INT_LE.set(buf, position, value); else INT_BE.set(buf, position, value);
    }

    // Encapsulations: begin writes the length field (patched by end) and the
    // byte-order octet; alignment inside counts from that octet.
    public void beginEncapsulation() {
        prepare(4);
        int lengthAt = pos;
        pos += 4;
        if (depth * 2 + 2 > encapsulations.length) encapsulations = java.util.Arrays.copyOf(encapsulations, depth * 4 + 4);
        encapsulations[depth * 2] = lengthAt;
        encapsulations[depth * 2 + 1] = st.origin;
        depth++;
        st.origin = pos;
        ensure(1);
        buf[pos++] = (byte) (st.little ? 1 : 0);
    }

    public void endEncapsulation() {
        if (depth == 0) throw new BAD_PARAM("no encapsulation begun", 0, CompletionStatus.COMPLETED_NO);
        depth--;
        int lengthAt = encapsulations[depth * 2];
        st.origin = encapsulations[depth * 2 + 1];
        patchLong(lengthAt, pos - lengthAt - 4);
    }

    // A stream that reads what was written, in the same byte order and
    // code sets, aligned from the same origin as this stream's outermost.
    public InputStream create_input_stream() {
        shared = true;
        int base = depth > 0 ? encapsulations[1] : st.origin;
        CDRInputStream in = new CDRInputStream(orb, buf, 0, pos, st.little, st.giopMinor);
        in.setAlignmentOrigin(base);
        in.settings().copyCodeSets(st);
        if (objects != null) in.keepObjects(new ArrayList<>(objects));
        return in;
    }

    // Primitives.

    public void write_boolean(boolean v) {
        ensure(1);
        buf[pos++] = (byte) (v ? 1 : 0);
    }

    public void write_octet(byte v) {
        ensure(1);
        buf[pos++] = v;
    }

    public void write_char(char v) {
        ensure(1);
        buf[pos++] = CodeSets.encodeChar(st.charCodeSet, v);
    }

    public void write_short(short v) {
        prepare(2);
        if (st.little) SHORT_LE.set(buf, pos, v); else SHORT_BE.set(buf, pos, v);
        pos += 2;
    }

    public void write_ushort(short v) {
        write_short(v);
    }

    public void write_long(int v) {
        prepare(4);
        if (st.little) INT_LE.set(buf, pos, v); else INT_BE.set(buf, pos, v);
        pos += 4;
    }

    public void write_ulong(int v) {
        write_long(v);
    }

    public void write_longlong(long v) {
        prepare(8);
        if (st.little) LONG_LE.set(buf, pos, v); else LONG_BE.set(buf, pos, v);
        pos += 8;
    }

    public void write_ulonglong(long v) {
        write_longlong(v);
    }

    public void write_float(float v) {
        write_long(Float.floatToRawIntBits(v));
    }

    public void write_double(double v) {
        write_longlong(Double.doubleToRawLongBits(v));
    }

    // A long double from its sixteen octets, most significant first.
    public void write_longdouble_octets(byte[] v) {
        if (v == null || v.length != 16) throw new BAD_PARAM("long double of 16 octets", 0, CompletionStatus.COMPLETED_NO);
        prepare(8);
        ensure(16);
        for (int i = 0; i < 16; i++) buf[pos + i] = v[st.little ? 15 - i : i];
        pos += 16;
    }

    // A wide character: GIOP 1.2 writes its length in octets and the UTF-16
    // code unit (big-endian, no byte-order mark); GIOP 1.1 two octets in the
    // stream's byte order; GIOP 1.0 has no wide characters.
    public void write_wchar(char v) {
        if (st.giopMinor == 0) throw new MARSHAL("wide characters need GIOP 1.1 or later", 0, CompletionStatus.COMPLETED_NO);
        if (st.giopMinor == 1) {
            write_short((short) v);
            return;
        }
        ensure(3);
        buf[pos++] = 2;
        buf[pos++] = (byte) (v >> 8);
        buf[pos++] = (byte) v;
    }

    private static void nullString() {
        throw new BAD_PARAM("null string", 0, CompletionStatus.COMPLETED_NO);
    }

    // The length (with the terminating NUL), the octets and the NUL.
    public void write_string(String v) {
        if (v == null) nullString();
        int n = v.length();
        if (st.charCodeSet == CodeSets.ISO_8859_1 || st.charCodeSet == CodeSets.ASCII) {
            int limit = st.charCodeSet == CodeSets.ASCII ? 0x7F : 0xFF;
            for (int i = 0; i < n; i++) {
                char c = v.charAt(i);
                if (c > limit) throw CodeSets.notRepresentable(c, st.charCodeSet);
            }
            write_ulong(n + 1);
            ensure(n + 1);
            v.getBytes(0, n, buf, pos);
            pos += n;
            buf[pos++] = 0;
            return;
        }
        byte[] octets = CodeSets.encodeString(st.charCodeSet, v);
        write_ulong(octets.length + 1);
        ensure(octets.length + 1);
        System.arraycopy(octets, 0, buf, pos, octets.length);
        pos += octets.length;
        buf[pos++] = 0;
    }

    // GIOP 1.2: the length in octets, then UTF-16 code units without a NUL;
    // GIOP 1.1: the length in characters with a terminating NUL, each two
    // octets in the stream's byte order.
    public void write_wstring(String v) {
        if (v == null) nullString();
        if (st.giopMinor == 0) throw new MARSHAL("wide strings need GIOP 1.1 or later", 0, CompletionStatus.COMPLETED_NO);
        int n = v.length();
        if (st.giopMinor == 1) {
            write_ulong(n + 1);
            ensure(2 * n + 2);
            for (int i = 0; i < n; i++) {
                char c = v.charAt(i);
                if (st.little) SHORT_LE.set(buf, pos, (short) c); else SHORT_BE.set(buf, pos, (short) c);
                pos += 2;
            }
            buf[pos++] = 0;
            buf[pos++] = 0;
            return;
        }
        write_ulong(2 * n);
        ensure(2 * n);
        for (int i = 0; i < n; i++) {
            char c = v.charAt(i);
            buf[pos++] = (byte) (c >> 8);
            buf[pos++] = (byte) c;
        }
    }

    // Arrays: bulk copies through a view of the buffer in the stream's order.
    private java.nio.ByteBuffer view(int n) {
        return java.nio.ByteBuffer.wrap(buf, pos, n).slice().order(st.little ? ByteOrder.LITTLE_ENDIAN : ByteOrder.BIG_ENDIAN);
    }

    private static void range(java.lang.Object array, int length, int offset, int count) {
        if (array == null) throw new BAD_PARAM("null array", 0, CompletionStatus.COMPLETED_NO);
        if (offset < 0 || count < 0 || offset > length - count)
            throw new BAD_PARAM("elements " + offset + " to " + ((long) offset + count) + " of " + length, 0,
                                CompletionStatus.COMPLETED_NO);
    }

    public void write_octet_array(byte[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        ensure(len);
        System.arraycopy(v, off, buf, pos, len);
        pos += len;
    }

    public void write_boolean_array(boolean[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        ensure(len);
        for (int i = 0; i < len; i++) buf[pos++] = (byte) (v[off + i] ? 1 : 0);
    }

    public void write_char_array(char[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        ensure(len);
        for (int i = 0; i < len; i++) buf[pos++] = CodeSets.encodeChar(st.charCodeSet, v[off + i]);
    }

    public void write_wchar_array(char[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        for (int i = 0; i < len; i++) write_wchar(v[off + i]);
    }

    public void write_short_array(short[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        if (len == 0) return;
        prepare(2);
        ensure(2 * len);
        view(2 * len).asShortBuffer().put(v, off, len);
        pos += 2 * len;
    }

    public void write_ushort_array(short[] v, int off, int len) {
        write_short_array(v, off, len);
    }

    public void write_long_array(int[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        if (len == 0) return;
        prepare(4);
        ensure(4 * len);
        view(4 * len).asIntBuffer().put(v, off, len);
        pos += 4 * len;
    }

    public void write_ulong_array(int[] v, int off, int len) {
        write_long_array(v, off, len);
    }

    public void write_longlong_array(long[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        if (len == 0) return;
        prepare(8);
        ensure(8 * len);
        view(8 * len).asLongBuffer().put(v, off, len);
        pos += 8 * len;
    }

    public void write_ulonglong_array(long[] v, int off, int len) {
        write_longlong_array(v, off, len);
    }

    public void write_float_array(float[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        if (len == 0) return;
        prepare(4);
        ensure(4 * len);
        view(4 * len).asFloatBuffer().put(v, off, len);
        pos += 4 * len;
    }

    public void write_double_array(double[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        if (len == 0) return;
        prepare(8);
        ensure(8 * len);
        view(8 * len).asDoubleBuffer().put(v, off, len);
        pos += 8 * len;
    }

    public void write_string_array(String[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        for (int i = 0; i < len; i++) write_string(v[off + i]);
    }

    public void write_wstring_array(String[] v, int off, int len) {
        range(v, v == null ? 0 : v.length, off, len);
        for (int i = 0; i < len; i++) write_wstring(v[off + i]);
    }

    // Object references: in an any's value kept aside by index, elsewhere
    // written as their IOR.
    public void write_Object(org.omg.CORBA.Object v) {
        if (objects != null) {
            objects.add(v);
            write_ulong(objects.size() - 1);
            return;
        }
        references().write(this, v);
    }

    // How this stream's references travel: its ORB's, found when first needed.
    private References references;

    private References references() {
        References r = references;
        if (r == null) references = r = References.of(orb);
        return r;
    }

    // Whether references are kept aside (the stream of an any's value).
    public boolean keepsObjects() {
        return objects != null;
    }

    public void write_TypeCode(TypeCode v) {
        if (v == null) throw new BAD_PARAM("null type code", 0, CompletionStatus.COMPLETED_NO);
        boolean top = typeCodesWritten == null;
        if (top) typeCodesWritten = new IdentityHashMap<>();
        try {
            TypeCodes.write(this, v, typeCodesWritten);
        } finally {
            if (top) typeCodesWritten = null;
        }
    }

    int typeCodeDepth(int change) {
        typeCodeDepth += change;
        return typeCodeDepth;
    }

    public void write_any(Any v) {
        if (v == null) throw new BAD_PARAM("null any", 0, CompletionStatus.COMPLETED_NO);
        write_TypeCode(v.type());
        v.write_value(this);
    }

    // Copies an any's value octets when this stream would write the same
    // octets: same byte order, code sets and GIOP rules, the same
    // alignment, no references.  False when the value must be walked.
    public boolean copyAnyValue(byte[] data, int from, int to, List<org.omg.CORBA.Object> refs) {
        if (refs != null && !refs.isEmpty()) return false;
        // Values in a chunked value's state must be chunked themselves.
        if (chunkLevel > 0) return false;
        if (!st.anyValueDefaults()) return false;
        if (((pos - st.origin) & 7) != 0) return false;
        write_octet_array(data, from, to - from);
        return true;
    }

    // Fixed-point: digits as packed decimal, two to an octet, the sign in
    // the last half-octet.
    public void write_fixed(BigDecimal v, short digits, short scale) {
        if (v == null) throw new BAD_PARAM("null fixed", 0, CompletionStatus.COMPLETED_NO);
        BigDecimal scaled;
        try {
            scaled = v.setScale(scale);
        } catch (ArithmeticException e) {
            throw new DATA_CONVERSION("fixed value " + v + " needs more than scale " + scale, 0,
                                      CompletionStatus.COMPLETED_NO);
        }
        String text = scaled.unscaledValue().abs().toString();
        if (text.length() > digits)
            throw new DATA_CONVERSION("fixed value " + v + " has more than " + digits + " digits", 0,
                                      CompletionStatus.COMPLETED_NO);
        int count = digits + 1 + (digits % 2 == 0 ? 1 : 0);  // nibbles, sign included
        StringBuilder nibbles = new StringBuilder();
        for (int i = text.length(); i < count - 1; i++) nibbles.append('0');
        nibbles.append(text);
        int sign = scaled.signum() < 0 ? 0xD : 0xC;
        ensure(count / 2);
        for (int i = 0; i < count; i += 2) {
            int hi = nibbles.charAt(i) - '0';
            int lo = i + 1 < count - 1 ? nibbles.charAt(i + 1) - '0' : sign;
            buf[pos++] = (byte) ((hi << 4) | lo);
        }
    }

    // Values.  A value is written as its tag and repository identifiers
    // (all of them, most derived first, for a truncatable type), then its
    // state; a value written before in the same stream (and the same
    // encapsulation) becomes an indirection back to its tag.  Truncatable
    // and custom values, and every value inside a chunked one, are chunked:
    // the state goes in chunks, the one open ended before a nested value's
    // tag, and an end tag closes the value.  Nulls and indirections inside
    // a chunked value are data of its chunk.  Where a nested value ends with
    // the values around it, one end tag ends them all: the end tag is held
    // back until something else is written.

    // Each value written so far: where its tag is, and the encapsulation it
    // is in.
    private IdentityHashMap<java.lang.Object, int[]> valuesWritten;
    // The chunked values open, where the open chunk's size goes (-1: none),
    // and for each value being written whether it is chunked.
    private int chunkLevel;
    private int chunkAt = -1;
    private int valueDepth;
    private boolean[] valueChunked = new boolean[8];
    // The end tag held back: the outermost level it ends (0: none).
    private int pendingEnd;

    // Writes the end tag held back; the enclosing value's state goes on in
    // a new chunk unless a value tag follows.
    private void flushEnd(boolean chunkFollows) {
        int level = pendingEnd;
        pendingEnd = 0;
        write_long(-level);
        if (chunkFollows && chunkLevel > 0) openChunk();
    }

    private int encapsulationStart() {
        return depth > 0 ? encapsulations[(depth - 1) * 2] : -1;
    }

    private void openChunk() {
        align(4);
        chunkAt = pos;
        write_long(0);
    }

    // Patches the open chunk's size; an empty chunk is taken back.
    private void closeChunk() {
        if (chunkAt < 0) return;
        int size = pos - chunkAt - 4;
        if (size == 0) pos = chunkAt;
        else patchLong(chunkAt, size);
        chunkAt = -1;
    }

    // The tag and identifiers of a new value; gives where the tag is.  The
    // value is chunked when asked, or when inside a chunked value.
    int beginValue(String[] ids, boolean chunked) {
        if (valueDepth >= CDRInputStream.MAX_VALUE_DEPTH)
            throw new MARSHAL("values nested more than " + CDRInputStream.MAX_VALUE_DEPTH + " deep", 0,
                              CompletionStatus.COMPLETED_NO);
        if (pendingEnd != 0) flushEnd(false);
        chunked |= chunkLevel > 0;
        closeChunk();
        align(4);
        int tagAt = pos;
        write_long(VALUE_TAG_BASE | (ids.length > 1 ? ID_LIST : SINGLE_ID) | (chunked ? CHUNKED_BIT : 0));
        if (ids.length > 1) write_long(ids.length);
        for (String id : ids) write_string(id);
        if (valueDepth == valueChunked.length) valueChunked = java.util.Arrays.copyOf(valueChunked, valueDepth * 2);
        valueChunked[valueDepth++] = chunked;
        if (chunked) {
            chunkLevel++;
            openChunk();
        }
        return tagAt;
    }

    // Ends the value beginValue began.  A chunked value's end tag waits:
    // if the enclosing value ends next, one tag ends both; if more of its
    // state follows, the tag is written and the state goes on in a new
    // chunk.  The outermost chunked value's end tag is written at once.
    void endValue() {
        if (valueDepth == 0) throw new BAD_PARAM("no value begun", 0, CompletionStatus.COMPLETED_NO);
        if (!valueChunked[--valueDepth]) return;
        closeChunk();
        pendingEnd = chunkLevel--;
        if (chunkLevel == 0) flushEnd(false);
    }

    // Where the value was written in this stream (and the current
    // encapsulation), or -1.
    int tagOf(java.lang.Object v) {
        int[] w = valuesWritten == null ? null : valuesWritten.get(v);
        return w != null && w[1] == encapsulationStart() ? w[0] : -1;
    }

    void writeNullValue() {
        write_long(NULL_TAG);
    }

    // An indirection to the value whose tag is at `tagAt`.
    void writeIndirection(int tagAt) {
        write_long(INDIRECTION_TAG);
        write_long(tagAt - pos);
    }

    private void writeValue(java.io.Serializable v, org.omg.CORBA.portable.BoxedValueHelper helper) {
        if (v == null) {
            writeNullValue();
            return;
        }
        int[] earlier = valuesWritten == null ? null : valuesWritten.get(v);
        if (earlier != null && earlier[1] == encapsulationStart()) {
            writeIndirection(earlier[0]);
            return;
        }
        if (helper == null && !(v instanceof org.omg.CORBA.portable.StreamableValue)
            && !(v instanceof org.omg.CORBA.CustomMarshal)) {
            helper = ValueFactories.boxHelperFor(v.getClass());
            if (helper == null)
                throw new BAD_PARAM("a " + v.getClass().getName() + " is not a value type", 0,
                                    CompletionStatus.COMPLETED_NO);
        }
        String[] ids;
        if (helper != null) {
            ids = new String[] {helper.get_id()};
        } else if (v instanceof org.omg.CORBA.portable.ValueBase) {
            ids = ((org.omg.CORBA.portable.ValueBase) v)._truncatable_ids();
        } else {
            throw new BAD_PARAM("the custom value " + v.getClass().getName() + " is not a ValueBase", 0,
                                CompletionStatus.COMPLETED_NO);
        }
        if (ids == null || ids.length == 0 || java.util.Arrays.asList(ids).contains(null))
            throw new BAD_PARAM("a " + v.getClass().getName() + " without repository identifiers", 0,
                                CompletionStatus.COMPLETED_NO);
        boolean custom = helper == null && v instanceof org.omg.CORBA.CustomMarshal;
        int tagAt = beginValue(ids, ids.length > 1 || custom);
        if (valuesWritten == null) valuesWritten = new IdentityHashMap<>();
        valuesWritten.put(v, new int[] {tagAt, encapsulationStart()});
        if (helper != null) helper.write_value(this, v);
        else if (custom) ((org.omg.CORBA.CustomMarshal) v).marshal(new ValueData.Out(this));
        else ((org.omg.CORBA.portable.StreamableValue) v).__write(this);
        endValue();
    }

    @Override
    public void write_value(java.io.Serializable v) {
        writeValue(v, null);
    }

    @Override
    public void write_value(java.io.Serializable v, String repositoryId) {
        writeValue(v, null);
    }

    @Override
    @SuppressWarnings("rawtypes")
    public void write_value(java.io.Serializable v, Class clz) {
        writeValue(v, null);
    }

    @Override
    public void write_value(java.io.Serializable v, org.omg.CORBA.portable.BoxedValueHelper helper) {
        if (helper == null) throw new BAD_PARAM("no boxed value helper", 0, CompletionStatus.COMPLETED_NO);
        writeValue(v, helper);
    }

    // A reference as TRUE and the reference; anything else (null included)
    // as FALSE and a value.
    @Override
    public void write_abstract_interface(java.lang.Object v) {
        if (v instanceof org.omg.CORBA.Object) {
            write_boolean(true);
            write_Object((org.omg.CORBA.Object) v);
            return;
        }
        if (v != null && !(v instanceof java.io.Serializable))
            throw new BAD_PARAM("a " + v.getClass().getName() + " is neither a reference nor a value", 0,
                                CompletionStatus.COMPLETED_NO);
        write_boolean(false);
        writeValue((java.io.Serializable) v, null);
    }

    public void write_fixed(BigDecimal v) {
        if (v == null) throw new BAD_PARAM("null fixed", 0, CompletionStatus.COMPLETED_NO);
        int scale = Math.max(0, v.scale());
        int digits = Math.max(Math.max(1, scale), v.setScale(scale).unscaledValue().abs().toString().length());
        write_fixed(v, (short) digits, (short) scale);
    }
}

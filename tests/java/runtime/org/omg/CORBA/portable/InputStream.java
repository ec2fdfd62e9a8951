package org.omg.CORBA.portable;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.omg.CORBA.Any;
import org.omg.CORBA.Principal;
import org.omg.CORBA.TypeCode;

// Test stand-in: reads back what an OutputStream wrote.  Reading past the
// end raises MARSHAL.
public class InputStream {
    private final byte[] buffer;
    private final ByteArrayInputStream bytes;
    private final DataInputStream data;
    private final List<java.lang.Object> objects;

    public InputStream(byte[] buffer) {
        this(buffer, new ArrayList<>());
    }

    InputStream(byte[] buffer, List<java.lang.Object> objects) {
        this.buffer = buffer;
        this.bytes = new ByteArrayInputStream(buffer);
        this.data = new DataInputStream(bytes);
        this.objects = objects;
    }

    // What is left unread, as a stream of its own sharing the objects.
    public byte[] remaining() {
        return Arrays.copyOfRange(buffer, buffer.length - bytes.available(), buffer.length);
    }

    // A new stream over what is left unread, sharing the kept objects.
    public InputStream copyRest() {
        return new InputStream(remaining(), objects);
    }

    public int available() {
        return bytes.available();
    }

    private interface Get<T> {
        T get() throws IOException;
    }

    private <T> T get(Get<T> g) {
        try {
            return g.get();
        } catch (IOException e) {
            throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        }
    }

    private java.lang.Object object() {
        return objects.get(read_long());
    }

    public boolean read_boolean() { return get(data::readBoolean); }
    public char read_char() { return get(data::readChar); }
    public double read_double() { return get(data::readDouble); }
    public float read_float() { return get(data::readFloat); }
    public byte read_octet() { return get(data::readByte); }
    public short read_short() { return get(data::readShort); }
    public short read_ushort() { return get(data::readShort); }
    public int read_long() { return get(data::readInt); }
    public int read_ulong() { return get(data::readInt); }
    public long read_longlong() { return get(data::readLong); }
    public long read_ulonglong() { return get(data::readLong); }

    public String read_string() {
        int n = read_long();
        if (n < 0 || n > bytes.available()) throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        byte[] b = new byte[n];
        get(() -> { data.readFully(b); return null; });
        return new String(b, StandardCharsets.UTF_8);
    }

    public char read_wchar() { return get(data::readChar); }
    public String read_wstring() {
        int n = read_ulong();
        if (n < 0 || 2L * n > bytes.available()) throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        char[] c = new char[n];
        for (int i = 0; i < n; i++) c[i] = read_wchar();
        return new String(c);
    }
    public void read_wchar_array(char[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_wchar(); }

    public Any read_any() { return (Any) object(); }
    public Any read_Any() { return (Any) object(); }
    public TypeCode read_TypeCode() { return (TypeCode) object(); }
    public org.omg.CORBA.Object read_Object() { return (org.omg.CORBA.Object) object(); }
    public Principal read_Principal() { return (Principal) object(); }

    public void read_boolean_array(boolean[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_boolean(); }
    public void read_char_array(char[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_char(); }
    public void read_double_array(double[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_double(); }
    public void read_float_array(float[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_float(); }
    public void read_octet_array(byte[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_octet(); }
    public void read_short_array(short[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_short(); }
    public void read_ushort_array(short[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_ushort(); }
    public void read_long_array(int[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_long(); }
    public void read_ulong_array(int[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_ulong(); }
    public void read_longlong_array(long[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_longlong(); }
    public void read_ulonglong_array(long[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_ulonglong(); }
    public void read_string_array(String[] v, int off, int len) { for (int i = 0; i < len; i++) v[off + i] = read_string(); }
}

package org.omg.CORBA.portable;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;

import org.omg.CORBA.Any;
import org.omg.CORBA.Principal;
import org.omg.CORBA.TypeCode;

// Test stand-in: a stream that marshals into memory.  Primitive values are
// written big-endian; strings as their length and UTF-8 bytes; values that
// are objects (anys, type codes, references) are kept aside and written as
// their index.
public class OutputStream {
    private final ByteArrayOutputStream bytes = new ByteArrayOutputStream();
    private final DataOutputStream data = new DataOutputStream(bytes);
    private final List<java.lang.Object> objects = new ArrayList<>();

    public InputStream create_input_stream() {
        return new InputStream(bytes.toByteArray(), objects);
    }

    // The same, under the name anys use.
    public InputStream get_input_stream() {
        return create_input_stream();
    }

    public int size() {
        return bytes.size();
    }

    private interface Put {
        void put() throws IOException;
    }

    private void put(Put p) {
        try {
            p.put();
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
    }

    private void object(java.lang.Object o) {
        objects.add(o);
        write_long(objects.size() - 1);
    }

    public void write_boolean(boolean v) { put(() -> data.writeBoolean(v)); }
    public void write_char(char v) { put(() -> data.writeChar(v)); }
    public void write_double(double v) { put(() -> data.writeDouble(v)); }
    public void write_float(float v) { put(() -> data.writeFloat(v)); }
    public void write_octet(byte v) { put(() -> data.writeByte(v)); }
    public void write_short(short v) { put(() -> data.writeShort(v)); }
    public void write_ushort(short v) { put(() -> data.writeShort(v)); }
    public void write_long(int v) { put(() -> data.writeInt(v)); }
    public void write_ulong(int v) { put(() -> data.writeInt(v)); }
    public void write_longlong(long v) { put(() -> data.writeLong(v)); }
    public void write_ulonglong(long v) { put(() -> data.writeLong(v)); }

    public void write_string(String v) {
        if (v == null) throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        byte[] b = v.getBytes(StandardCharsets.UTF_8);
        write_long(b.length);
        put(() -> data.write(b));
    }

    public void write_wchar(char v) { put(() -> data.writeChar(v)); }
    public void write_wstring(String v) {
        if (v == null) throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        write_ulong(v.length());
        for (int i = 0; i < v.length(); i++) write_wchar(v.charAt(i));
    }
    public void write_wchar_array(char[] v, int off, int len) { for (int i = 0; i < len; i++) write_wchar(v[off + i]); }

    public void write_any(Any v) { object(v); }
    public void write_Any(Any v) { object(v); }
    public void write_TypeCode(TypeCode v) { object(v); }
    public void write_Object(org.omg.CORBA.Object v) { object(v); }
    public void write_Principal(Principal v) { object(v); }

    public void write_boolean_array(boolean[] v, int off, int len) { for (int i = 0; i < len; i++) write_boolean(v[off + i]); }
    public void write_char_array(char[] v, int off, int len) { for (int i = 0; i < len; i++) write_char(v[off + i]); }
    public void write_double_array(double[] v, int off, int len) { for (int i = 0; i < len; i++) write_double(v[off + i]); }
    public void write_float_array(float[] v, int off, int len) { for (int i = 0; i < len; i++) write_float(v[off + i]); }
    public void write_octet_array(byte[] v, int off, int len) { for (int i = 0; i < len; i++) write_octet(v[off + i]); }
    public void write_short_array(short[] v, int off, int len) { for (int i = 0; i < len; i++) write_short(v[off + i]); }
    public void write_ushort_array(short[] v, int off, int len) { for (int i = 0; i < len; i++) write_ushort(v[off + i]); }
    public void write_long_array(int[] v, int off, int len) { for (int i = 0; i < len; i++) write_long(v[off + i]); }
    public void write_ulong_array(int[] v, int off, int len) { for (int i = 0; i < len; i++) write_ulong(v[off + i]); }
    public void write_longlong_array(long[] v, int off, int len) { for (int i = 0; i < len; i++) write_longlong(v[off + i]); }
    public void write_ulonglong_array(long[] v, int off, int len) { for (int i = 0; i < len; i++) write_ulonglong(v[off + i]); }
    public void write_string_array(String[] v, int off, int len) { for (int i = 0; i < len; i++) write_string(v[off + i]); }
}

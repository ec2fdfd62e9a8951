package org.omg.CORBA;

import java.math.BigDecimal;

import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

/**
 * A value of any type: its type code and the value marshalled as CDR
 * (big-endian, GIOP 1.2, aligned from the start of the value).  Object
 * references in the value are kept as references beside the octets, so a
 * local any never needs a network.  Extracting a value of another type
 * raises BAD_OPERATION, as does extracting from an any without value.
 * The octets are the runtime's: its factory ORB writes, reads, copies and
 * compares them (ORB.anyFactory()).
 */
public class Any implements org.omg.CORBA.portable.IDLEntity {

    private TypeCode type = ORB.init().get_primitive_tc(TCKind.tk_null);
    // The value as the runtime keeps it; null for no value.
    private transient java.lang.Object data;
    private transient Streamable streamable;

    /** The type of the value held. */
    public TypeCode type() {
        return type;
    }

    /** Sets the type; the value is gone until one is written. */
    public void type(TypeCode t) {
        if (t == null) throw new BAD_PARAM("no type code", 0, CompletionStatus.COMPLETED_NO);
        type = t;
        clear();
    }

    private void clear() {
        data = null;
        streamable = null;
    }

    /** A stream to marshal a value into, for read_value. */
    public OutputStream create_output_stream() {
        return ORB.anyFactory().create_any_stream();
    }

    /** A stream that reads the value. */
    public InputStream create_input_stream() {
        if (data == null) {
            if (hasNoValue()) return ORB.anyFactory().any_input(null);
            throw new BAD_OPERATION("the any holds no value", 0, CompletionStatus.COMPLETED_NO);
        }
        return ORB.anyFactory().any_input(data);
    }

    public InputStream get_input_stream() {
        return create_input_stream();
    }

    private boolean hasNoValue() {
        int k = TypeCode.unaliased(type).kind().value();
        return k == TCKind._tk_null || k == TCKind._tk_void;
    }

    /** Takes the value of type t from the stream. */
    public void read_value(InputStream in, TypeCode t) {
        if (t == null) throw new BAD_PARAM("no type code", 0, CompletionStatus.COMPLETED_NO);
        clear();
        type = t;
        data = ORB.anyFactory().any_read(in, t);
    }

    private void adopt(OutputStream out) {
        data = ORB.anyFactory().any_value(out);
    }

    /** Writes the value (without its type code). */
    public void write_value(OutputStream out) {
        if (data == null) {
            if (hasNoValue()) return;
            throw new BAD_OPERATION("the any holds no value", 0, CompletionStatus.COMPLETED_NO);
        }
        ORB.anyFactory().any_write(data, type, out);
    }

    /** Whether the two hold equal values of equal types. */
    public boolean equal(Any other) {
        if (other == null) return false;
        if (!type.equal(other.type)) return false;
        if ((data == null) != (other.data == null)) return false;
        if (data == null) return true;
        return ORB.anyFactory().any_equal(type, data, other.data);
    }

    public boolean equals(java.lang.Object other) {
        return other instanceof Any && equal((Any) other);
    }

    public int hashCode() {
        return type.hashCode();
    }

    public String toString() {
        return "any of " + type + (data == null ? " without value" : "");
    }

    // Primitive values.

    private org.omg.CORBA_2_3.portable.OutputStream put(TCKind kind) {
        type = ORB.init().get_primitive_tc(kind);
        clear();
        return ORB.anyFactory().create_any_stream();
    }

    private InputStream get(int kind, String what) {
        if (data == null || TypeCode.unaliased(type).kind().value() != kind)
            throw new BAD_OPERATION("extract_" + what + " from an any of " + type + (data == null ? " without value" : ""),
                                    0, CompletionStatus.COMPLETED_NO);
        return create_input_stream();
    }

    public void insert_boolean(boolean v) { OutputStream o = put(TCKind.tk_boolean); o.write_boolean(v); adopt(o); }
    public void insert_char(char v) { OutputStream o = put(TCKind.tk_char); o.write_char(v); adopt(o); }
    public void insert_wchar(char v) { OutputStream o = put(TCKind.tk_wchar); o.write_wchar(v); adopt(o); }
    public void insert_octet(byte v) { OutputStream o = put(TCKind.tk_octet); o.write_octet(v); adopt(o); }
    public void insert_short(short v) { OutputStream o = put(TCKind.tk_short); o.write_short(v); adopt(o); }
    public void insert_ushort(short v) { OutputStream o = put(TCKind.tk_ushort); o.write_ushort(v); adopt(o); }
    public void insert_long(int v) { OutputStream o = put(TCKind.tk_long); o.write_long(v); adopt(o); }
    public void insert_ulong(int v) { OutputStream o = put(TCKind.tk_ulong); o.write_ulong(v); adopt(o); }
    public void insert_longlong(long v) { OutputStream o = put(TCKind.tk_longlong); o.write_longlong(v); adopt(o); }
    public void insert_ulonglong(long v) { OutputStream o = put(TCKind.tk_ulonglong); o.write_ulonglong(v); adopt(o); }
    public void insert_float(float v) { OutputStream o = put(TCKind.tk_float); o.write_float(v); adopt(o); }
    public void insert_double(double v) { OutputStream o = put(TCKind.tk_double); o.write_double(v); adopt(o); }

    public boolean extract_boolean() { return get(TCKind._tk_boolean, "boolean").read_boolean(); }
    public char extract_char() { return get(TCKind._tk_char, "char").read_char(); }
    public char extract_wchar() { return get(TCKind._tk_wchar, "wchar").read_wchar(); }
    public byte extract_octet() { return get(TCKind._tk_octet, "octet").read_octet(); }
    public short extract_short() { return get(TCKind._tk_short, "short").read_short(); }
    public short extract_ushort() { return get(TCKind._tk_ushort, "ushort").read_ushort(); }
    public int extract_long() { return get(TCKind._tk_long, "long").read_long(); }
    public int extract_ulong() { return get(TCKind._tk_ulong, "ulong").read_ulong(); }
    public long extract_longlong() { return get(TCKind._tk_longlong, "longlong").read_longlong(); }
    public long extract_ulonglong() { return get(TCKind._tk_ulonglong, "ulonglong").read_ulonglong(); }
    public float extract_float() { return get(TCKind._tk_float, "float").read_float(); }
    public double extract_double() { return get(TCKind._tk_double, "double").read_double(); }

    /** Strings: a null string raises BAD_PARAM. */
    public void insert_string(String v) {
        if (v == null) throw new BAD_PARAM("null string", 0, CompletionStatus.COMPLETED_NO);
        OutputStream o = put(TCKind.tk_string);
        o.write_string(v);
        adopt(o);
    }

    public void insert_wstring(String v) {
        if (v == null) throw new BAD_PARAM("null wstring", 0, CompletionStatus.COMPLETED_NO);
        OutputStream o = put(TCKind.tk_wstring);
        o.write_wstring(v);
        adopt(o);
    }

    public String extract_string() { return get(TCKind._tk_string, "string").read_string(); }
    public String extract_wstring() { return get(TCKind._tk_wstring, "wstring").read_wstring(); }

    public void insert_any(Any v) {
        if (v == null) throw new BAD_PARAM("null any", 0, CompletionStatus.COMPLETED_NO);
        OutputStream o = put(TCKind.tk_any);
        o.write_any(v);
        adopt(o);
    }

    public Any extract_any() { return get(TCKind._tk_any, "any").read_any(); }

    public void insert_TypeCode(TypeCode v) {
        if (v == null) throw new BAD_PARAM("null type code", 0, CompletionStatus.COMPLETED_NO);
        OutputStream o = put(TCKind.tk_TypeCode);
        o.write_TypeCode(v);
        adopt(o);
    }

    public TypeCode extract_TypeCode() { return get(TCKind._tk_TypeCode, "TypeCode").read_TypeCode(); }

    public void insert_Principal(Principal v) {
        OutputStream o = put(TCKind.tk_Principal);
        o.write_Principal(v);
        adopt(o);
    }

    public Principal extract_Principal() { return get(TCKind._tk_Principal, "Principal").read_Principal(); }

    /** A reference, as CORBA::Object or as the interface of the type code. */
    public void insert_Object(org.omg.CORBA.Object v) {
        insert_Object(v, ORB.init().get_primitive_tc(TCKind.tk_objref));
    }

    public void insert_Object(org.omg.CORBA.Object v, TypeCode t) {
        if (t == null || TypeCode.unaliased(t).kind().value() != TCKind._tk_objref)
            throw new BAD_PARAM("an object reference under type code " + t, 0, CompletionStatus.COMPLETED_NO);
        type = t;
        clear();
        org.omg.CORBA_2_3.portable.OutputStream o = ORB.anyFactory().create_any_stream();
        o.write_Object(v);
        adopt(o);
    }

    public org.omg.CORBA.Object extract_Object() { return get(TCKind._tk_objref, "Object").read_Object(); }

    /**
     * A fixed-point value, under a type code of its own digits and scale or
     * the one given.
     */
    public void insert_fixed(BigDecimal v) {
        if (v == null) throw new BAD_PARAM("null fixed", 0, CompletionStatus.COMPLETED_NO);
        int scale = Math.max(0, v.scale());
        int digits = Math.max(Math.max(1, scale), v.setScale(scale).unscaledValue().abs().toString().length());
        if (digits > 31) throw new DATA_CONVERSION("fixed value of " + digits + " digits", 0, CompletionStatus.COMPLETED_NO);
        insert_fixed(v, ORB.init().create_fixed_tc((short) digits, (short) scale));
    }

    public void insert_fixed(BigDecimal v, TypeCode t) {
        if (v == null) throw new BAD_PARAM("null fixed", 0, CompletionStatus.COMPLETED_NO);
        TypeCode f = TypeCode.unaliased(t);
        if (f.kind().value() != TCKind._tk_fixed)
            throw new BAD_PARAM("a fixed value under type code " + t, 0, CompletionStatus.COMPLETED_NO);
        type = t;
        clear();
        org.omg.CORBA_2_3.portable.OutputStream o = ORB.anyFactory().create_any_stream();
        o.write_fixed(v, f.fixed_digits(), f.fixed_scale());
        adopt(o);
    }

    public BigDecimal extract_fixed() {
        InputStream in = get(TCKind._tk_fixed, "fixed");
        TypeCode f = TypeCode.unaliased(type);
        return in.read_fixed(f.fixed_digits(), f.fixed_scale());
    }

    // A value type's value (or null), under the type code of its own class
    // (a StreamableValue's __type()) or the one given: a value type, a
    // value box or an abstract interface.
    public void insert_Value(java.io.Serializable v) {
        if (!(v instanceof org.omg.CORBA.portable.StreamableValue))
            throw new BAD_PARAM("insert_Value without a type code needs a StreamableValue", 0,
                                CompletionStatus.COMPLETED_NO);
        insert_Value(v, ((org.omg.CORBA.portable.StreamableValue) v).__type());
    }

    public void insert_Value(java.io.Serializable v, TypeCode t) {
        int k = t == null ? -1 : TypeCode.unaliased(t).kind().value();
        if (k != TCKind._tk_value && k != TCKind._tk_value_box && k != TCKind._tk_abstract_interface)
            throw new BAD_PARAM("a value under type code " + t, 0, CompletionStatus.COMPLETED_NO);
        type = t;
        clear();
        org.omg.CORBA_2_3.portable.OutputStream o = ORB.anyFactory().create_any_stream();
        if (k == TCKind._tk_abstract_interface) o.write_boolean(false);
        org.omg.CORBA.portable.BoxedValueHelper box =
            k == TCKind._tk_value_box ? ORB.anyFactory().box_helper(TypeCode.unaliased(t).id()) : null;
        if (box != null) o.write_value(v, box);
        else o.write_value(v);
        adopt(o);
    }

    // The value of an any of a value type, value box or abstract interface
    // holding a value, read through its factory.
    public java.io.Serializable extract_Value() {
        int k = data == null ? -1 : TypeCode.unaliased(type).kind().value();
        if (k != TCKind._tk_value && k != TCKind._tk_value_box && k != TCKind._tk_abstract_interface)
            throw new BAD_OPERATION("extract_Value from an any of " + type + (data == null ? " without value" : ""),
                                    0, CompletionStatus.COMPLETED_NO);
        org.omg.CORBA_2_3.portable.InputStream in = (org.omg.CORBA_2_3.portable.InputStream) create_input_stream();
        if (k == TCKind._tk_abstract_interface && in.read_boolean())
            throw new BAD_OPERATION("extract_Value from an abstract interface holding a reference", 0,
                                    CompletionStatus.COMPLETED_NO);
        if (k == TCKind._tk_value_box) {
            org.omg.CORBA.portable.BoxedValueHelper box =
                ORB.anyFactory().box_helper(TypeCode.unaliased(type).id());
            if (box != null) return in.read_value(box);
        }
        return k == TCKind._tk_abstract_interface ? in.read_value() : in.read_value(TypeCode.unaliased(type).id());
    }

    /**
     * A value through its holder, kept so that extract_Streamable gives it
     * back.
     */
    public void insert_Streamable(Streamable s) {
        if (s == null) throw new BAD_PARAM("null holder", 0, CompletionStatus.COMPLETED_NO);
        TypeCode t = s.__type();
        type = t;
        clear();
        org.omg.CORBA_2_3.portable.OutputStream o = ORB.anyFactory().create_any_stream();
        s.__write(o);
        adopt(o);
        streamable = s;
    }

    public Streamable extract_Streamable() {
        if (streamable == null)
            throw new BAD_INV_ORDER("the any was not filled through a holder", 0, CompletionStatus.COMPLETED_NO);
        return streamable;
    }
}

package vemo.harl.cdr;

import java.util.IdentityHashMap;
import java.util.List;
import java.util.Map;

import org.omg.CORBA.BAD_TYPECODE;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.NO_IMPLEMENT;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Values walked by their type code: copied from one stream to another
// (what an any does when it reads or writes its value), skipped, or
// compared.  Lengths are checked against what is left before anything is
// allocated, and values nest at most MAX_NESTING deep, counting the values
// of anys inside anys, so that a hostile recursive value cannot exhaust a
// thread's stack.
public final class ValueWalker {
    // How deep values may nest (members of members, elements of elements).
    public static final int MAX_NESTING = 500;
    // The walk in progress on this thread: its nesting, the steps it has
    // taken and may take.
    private static final class Walk {
        int depth;
        long steps;
        long limit;
    }

    private static final ThreadLocal<Walk> current = ThreadLocal.withInitial(Walk::new);
    // A walk takes at most this many steps, plus this many per octet its
    // input holds: a type code whose members repeat by indirection can
    // describe a value of few octets that takes exponentially many steps
    // to walk, and is refused after time linear in its octets instead.
    // (A value of legal IDL takes about one step per octet for each level
    // it nests.)
    static final long STEPS_BASE = 65536;
    static final long STEPS_PER_OCTET = 64;
    // Elements copied at a time from a sequence or array of primitives.
    private static final int CHUNK = 8192;

    private ValueWalker() {
    }

    private static MARSHAL marshal(String reason) {
        return new MARSHAL(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    // Copies one value of type t from in to out.
    public static void copy(TypeCode t, InputStream in, OutputStream out) {
        ValueCopy.enter();
        try {
            walk(t, in, out, 0);
        } finally {
            ValueCopy.leave();
        }
    }

    // Moves in past one value of type t.
    public static void skip(TypeCode t, InputStream in) {
        ValueCopy.enter();
        try {
            walk(t, in, null, 0);
        } finally {
            ValueCopy.leave();
        }
    }

    // A member of a value, for ValueCopy.
    static void member(TypeCode type, InputStream in, OutputStream out, int nesting) {
        walk(type, in, out, nesting);
    }

    // Whether the values of type t the two streams hold are equal.
    public static boolean equalValues(TypeCode t, InputStream a, InputStream b) {
        CDROutputStream x = CDROutputStream.forAnyValue(), y = CDROutputStream.forAnyValue();
        copy(t, a, x);
        copy(t, b, y);
        if (!java.util.Arrays.equals(x.toByteArray(), y.toByteArray())) return false;
        List<org.omg.CORBA.Object> ox = ((CDRInputStream) x.create_input_stream()).objects();
        List<org.omg.CORBA.Object> oy = ((CDRInputStream) y.create_input_stream()).objects();
        if (ox.size() != oy.size()) return false;
        for (int i = 0; i < ox.size(); i++) {
            org.omg.CORBA.Object p = ox.get(i), q = oy.get(i);
            if (p == null || q == null) {
                if (p != q) return false;
            } else if (!p._is_equivalent(q)) {
                return false;
            }
        }
        return true;
    }

    private static TypeCode resolve(TypeCode t) {
        try {
            return TypeCode.unaliased(t);
        } catch (BAD_TYPECODE e) {
            throw marshal("value of an unusable type code: " + e.getMessage());
        }
    }

    private static void walk(TypeCode type, InputStream in, OutputStream out, int nesting) {
        Walk w = current.get();
        if (w.depth >= MAX_NESTING) throw marshal("values nested deeper than " + MAX_NESTING);
        if (w.depth == 0) {
            w.steps = 0;
            w.limit = STEPS_BASE + STEPS_PER_OCTET * Math.max(0, in.available());
        }
        if (++w.steps > w.limit)
            throw marshal("a value that takes more than " + w.limit + " steps to walk for its octets");
        w.depth++;
        try {
            step(type, in, out, nesting);
        } finally {
            w.depth--;
        }
    }

    private static void step(TypeCode type, InputStream in, OutputStream out, int nesting) {
        TypeCode t = resolve(type);
        int k = t.kind().value();
        switch (k) {
            case TCKind._tk_null: case TCKind._tk_void:
                return;
            case TCKind._tk_short: case TCKind._tk_ushort: {
                short v = in.read_short();
                if (out != null) out.write_short(v);
                return;
            }
            case TCKind._tk_long: case TCKind._tk_ulong: case TCKind._tk_float: {
                int v = in.read_long();
                if (out != null) out.write_long(v);
                return;
            }
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: case TCKind._tk_double: {
                long v = in.read_longlong();
                if (out != null) out.write_longlong(v);
                return;
            }
            case TCKind._tk_boolean: {
                boolean v = in.read_boolean();
                if (out != null) out.write_boolean(v);
                return;
            }
            case TCKind._tk_char: {
                char v = in.read_char();
                if (out != null) out.write_char(v);
                return;
            }
            case TCKind._tk_wchar: {
                char v = in.read_wchar();
                if (out != null) out.write_wchar(v);
                return;
            }
            case TCKind._tk_octet: {
                byte v = in.read_octet();
                if (out != null) out.write_octet(v);
                return;
            }
            case TCKind._tk_longdouble: {
                if (!(in instanceof CDRInputStream) || (out != null && !(out instanceof CDROutputStream)))
                    throw new NO_IMPLEMENT("long double outside CDR streams", 0, CompletionStatus.COMPLETED_NO);
                byte[] v = ((CDRInputStream) in).read_longdouble_octets();
                if (out != null) ((CDROutputStream) out).write_longdouble_octets(v);
                return;
            }
            case TCKind._tk_string: {
                String v = in.read_string();
                if (t.length() != 0 && v.length() > t.length())
                    throw marshal("string of " + v.length() + " characters over its bound " + t.length());
                if (out != null) out.write_string(v);
                return;
            }
            case TCKind._tk_wstring: {
                String v = in.read_wstring();
                if (t.length() != 0 && v.length() > t.length())
                    throw marshal("wide string of " + v.length() + " characters over its bound " + t.length());
                if (out != null) out.write_wstring(v);
                return;
            }
            case TCKind._tk_fixed: {
                java.math.BigDecimal v = in.read_fixed(t.fixed_digits(), t.fixed_scale());
                if (out != null) out.write_fixed(v, t.fixed_digits(), t.fixed_scale());
                return;
            }
            case TCKind._tk_any: {
                org.omg.CORBA.Any v = in.read_any();
                if (out != null) out.write_any(v);
                return;
            }
            case TCKind._tk_TypeCode: {
                TypeCode v = in.read_TypeCode();
                if (out != null) out.write_TypeCode(v);
                return;
            }
            case TCKind._tk_Principal: {
                org.omg.CORBA.Principal v = in.read_Principal();
                if (out != null) out.write_Principal(v);
                return;
            }
            case TCKind._tk_objref: {
                org.omg.CORBA.Object v = in.read_Object();
                if (out != null) out.write_Object(v);
                return;
            }
            case TCKind._tk_abstract_interface: {
                boolean reference = in.read_boolean();
                // A value of whatever type its identifiers name.
                if (!reference) {
                    if (out != null) out.write_boolean(false);
                    ValueCopy.walk(null, in, out, nesting + 1);
                    return;
                }
                org.omg.CORBA.Object v = in.read_Object();
                if (out != null) {
                    out.write_boolean(true);
                    out.write_Object(v);
                }
                return;
            }
            case TCKind._tk_struct:
                for (int i = 0, n = t.member_count(); i < n; i++) walk(t.member_type(i), in, out, nesting + 1);
                return;
            case TCKind._tk_except: {
                String id = in.read_string();
                if (out != null) out.write_string(id);
                for (int i = 0, n = t.member_count(); i < n; i++) walk(t.member_type(i), in, out, nesting + 1);
                return;
            }
            case TCKind._tk_enum: {
                int v = in.read_ulong();
                if (v < 0 || v >= t.member_count())
                    throw marshal("enumerator " + (v & 0xFFFFFFFFL) + " of " + t.member_count());
                if (out != null) out.write_ulong(v);
                return;
            }
            case TCKind._tk_union:
                walkUnion(t, in, out, nesting);
                return;
            case TCKind._tk_sequence: {
                int n = in.read_ulong();
                if (n < 0 || (t.length() != 0 && n > t.length()))
                    throw marshal("sequence of " + (n & 0xFFFFFFFFL) + " elements over its bound " + t.length());
                if (out != null) out.write_ulong(n);
                elements(t.content_type(), n, in, out, nesting);
                return;
            }
            case TCKind._tk_array:
                elements(t.content_type(), t.length(), in, out, nesting);
                return;
            case TCKind._tk_value_box: case TCKind._tk_value: case TCKind._tk_event:
                ValueCopy.walk(t, in, out, nesting);
                return;
            default:
                throw new NO_IMPLEMENT("values of kind " + t.kind() + " in an any", 0, CompletionStatus.COMPLETED_NO);
        }
    }

    private static void walkUnion(TypeCode t, InputStream in, OutputStream out, int nesting) {
        TypeCode d = resolve(t.discriminator_type());
        long label;
        switch (d.kind().value()) {
            case TCKind._tk_boolean: {
                boolean v = in.read_boolean();
                if (out != null) out.write_boolean(v);
                label = v ? 1 : 0;
                break;
            }
            case TCKind._tk_char: {
                char v = in.read_char();
                if (out != null) out.write_char(v);
                label = v;
                break;
            }
            case TCKind._tk_wchar: {
                char v = in.read_wchar();
                if (out != null) out.write_wchar(v);
                label = v;
                break;
            }
            case TCKind._tk_short: {
                short v = in.read_short();
                if (out != null) out.write_short(v);
                label = v;
                break;
            }
            case TCKind._tk_ushort: {
                short v = in.read_short();
                if (out != null) out.write_short(v);
                label = v & 0xFFFFL;
                break;
            }
            case TCKind._tk_long: {
                int v = in.read_long();
                if (out != null) out.write_long(v);
                label = v;
                break;
            }
            case TCKind._tk_ulong: case TCKind._tk_enum: {
                int v = in.read_ulong();
                if (out != null) out.write_ulong(v);
                label = v & 0xFFFFFFFFL;
                break;
            }
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: {
                long v = in.read_longlong();
                if (out != null) out.write_longlong(v);
                label = v;
                break;
            }
            default:
                throw marshal("union discriminator of kind " + d.kind());
        }
        int n = t.member_count();
        int def = t.default_index();
        int chosen = -1;
        for (int i = 0; i < n && chosen < 0; i++) {
            if (i != def && TypeCodes.labelValue(t.member_label(i)) == label) chosen = i;
        }
        if (chosen < 0) chosen = def;
        if (chosen >= 0) walk(t.member_type(chosen), in, out, nesting + 1);
    }

    // The fewest octets a value of the type takes (0 for an empty struct).
    private static int minimumSize(TypeCode type, Map<TypeCode, Boolean> open) {
        TypeCode t = resolve(type);
        switch (t.kind().value()) {
            case TCKind._tk_null: case TCKind._tk_void: return 0;
            case TCKind._tk_struct: {
                if (open.containsKey(t)) return 1;
                open.put(t, Boolean.TRUE);
                int sum = 0;
                for (int i = 0, n = t.member_count(); i < n && sum == 0; i++) sum += minimumSize(t.member_type(i), open);
                open.remove(t);
                return sum;
            }
            case TCKind._tk_array: {
                if (t.length() == 0) return 0;
                if (open.containsKey(t)) return 1;
                open.put(t, Boolean.TRUE);
                int m = minimumSize(t.content_type(), open);
                open.remove(t);
                return m;
            }
            default:
                return 1;
        }
    }

    private static int primitiveSize(int kind) {
        switch (kind) {
            case TCKind._tk_octet: case TCKind._tk_boolean: case TCKind._tk_char: return 1;
            case TCKind._tk_short: case TCKind._tk_ushort: return 2;
            case TCKind._tk_long: case TCKind._tk_ulong: case TCKind._tk_float: return 4;
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: case TCKind._tk_double: return 8;
            default: return 0;
        }
    }

    private static void elements(TypeCode element, int n, InputStream in, OutputStream out, int nesting) {
        if (n == 0) return;
        TypeCode e = resolve(element);
        int k = e.kind().value();
        int size = primitiveSize(k);
        if (size > 0 && in instanceof CDRInputStream) {
            if ((long) n * size > in.available())
                throw marshal(n + " elements of " + size + " octets beyond the " + in.available() + " left");
            bulk(k, n, in, out);
            return;
        }
        int min = minimumSize(e, new IdentityHashMap<>());
        if (min > 0 && in instanceof CDRInputStream && (long) n * min > in.available())
            throw marshal(n + " elements beyond the " + in.available() + " octets left");
        if (min == 0 && n > (1 << 16)) throw marshal(n + " empty elements");
        for (int i = 0; i < n; i++) walk(e, in, out, nesting + 1);
    }

    // Primitive elements a chunk at a time.
    private static void bulk(int k, int n, InputStream in, OutputStream out) {
        int chunk = Math.min(n, CHUNK);
        switch (k) {
            case TCKind._tk_octet: case TCKind._tk_boolean: case TCKind._tk_char: {
                if (k == TCKind._tk_octet && out instanceof CDROutputStream) {
                    CDRInputStream cin = (CDRInputStream) in;
                    int at = cin.skipOctets(n);
                    out.write_octet_array(cin.buffer(), at, n);
                    return;
                }
                if (k == TCKind._tk_char) {
                    char[] v = new char[chunk];
                    for (int done = 0; done < n; done += chunk) {
                        int m = Math.min(chunk, n - done);
                        in.read_char_array(v, 0, m);
                        if (out != null) out.write_char_array(v, 0, m);
                    }
                    return;
                }
                byte[] v = new byte[chunk];
                for (int done = 0; done < n; done += chunk) {
                    int m = Math.min(chunk, n - done);
                    in.read_octet_array(v, 0, m);
                    if (out != null) {
                        if (k == TCKind._tk_boolean) for (int i = 0; i < m; i++) out.write_boolean(v[i] != 0);
                        else out.write_octet_array(v, 0, m);
                    }
                }
                return;
            }
            case TCKind._tk_short: case TCKind._tk_ushort: {
                short[] v = new short[chunk];
                for (int done = 0; done < n; done += chunk) {
                    int m = Math.min(chunk, n - done);
                    in.read_short_array(v, 0, m);
                    if (out != null) out.write_short_array(v, 0, m);
                }
                return;
            }
            case TCKind._tk_long: case TCKind._tk_ulong: case TCKind._tk_float: {
                int[] v = new int[chunk];
                for (int done = 0; done < n; done += chunk) {
                    int m = Math.min(chunk, n - done);
                    in.read_long_array(v, 0, m);
                    if (out != null) out.write_long_array(v, 0, m);
                }
                return;
            }
            default: {
                long[] v = new long[chunk];
                for (int done = 0; done < n; done += chunk) {
                    int m = Math.min(chunk, n - done);
                    in.read_longlong_array(v, 0, m);
                    if (out != null) out.write_longlong_array(v, 0, m);
                }
            }
        }
    }
}

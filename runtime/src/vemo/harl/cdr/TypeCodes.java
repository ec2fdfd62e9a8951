package vemo.harl.cdr;

import java.util.HashMap;
import java.util.IdentityHashMap;
import java.util.Map;

import org.omg.CORBA.Any;
import org.omg.CORBA.BAD_TYPECODE;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.ORB;
import org.omg.CORBA.StructMember;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.UnionMember;
import org.omg.CORBA.ValueMember;

// Type codes in CDR: the kind, then for a simple kind nothing or its
// bound, for a complex kind an encapsulation of its parameters.  A type
// code met again inside the same top-level type code (a recursive member,
// or one repeated) is written as an indirection: 0xffffffff and the
// offset back to where it was written.  Reading follows indirections that
// point back inside the data to a type code already begun, and limits how
// deep type codes nest.
final class TypeCodes {
    private static final int INDIRECTION = 0xFFFFFFFF;

    private TypeCodes() {
    }

    private static MARSHAL marshal(String reason) {
        return new MARSHAL(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    // Kinds written with an encapsulation of their parameters.
    static boolean complex(int k) {
        switch (k) {
            case TCKind._tk_objref: case TCKind._tk_struct: case TCKind._tk_union: case TCKind._tk_enum:
            case TCKind._tk_sequence: case TCKind._tk_array: case TCKind._tk_alias: case TCKind._tk_except:
            case TCKind._tk_value: case TCKind._tk_value_box: case TCKind._tk_native:
            case TCKind._tk_abstract_interface: case TCKind._tk_local_interface: case TCKind._tk_component:
            case TCKind._tk_home: case TCKind._tk_event:
                return true;
            default:
                return false;
        }
    }

    static void write(CDROutputStream out, TypeCode tc, IdentityHashMap<TypeCode, Integer> written) {
        TypeCode t;
        try {
            t = tc._resolved();
        } catch (BAD_TYPECODE e) {
            throw new BAD_TYPECODE("a recursive type code outside its type cannot be written", 0,
                                   CompletionStatus.COMPLETED_NO);
        }
        out.align(4);
        Integer at = written.get(t);
        if (at != null) {
            out.write_long(INDIRECTION);
            out.write_long(at - out.position());
            return;
        }
        int k = t.kind().value();
        int start = out.position();
        out.write_ulong(k);
        switch (k) {
            case TCKind._tk_string: case TCKind._tk_wstring:
                out.write_ulong(t.length());
                return;
            case TCKind._tk_fixed:
                out.write_ushort(t.fixed_digits());
                out.write_short(t.fixed_scale());
                return;
            default:
                if (!complex(k)) return;
        }
        if (out.typeCodeDepth(1) > CDRInputStream.MAX_DEPTH) {
            out.typeCodeDepth(-1);
            throw marshal("type code nested deeper than " + CDRInputStream.MAX_DEPTH);
        }
        try {
            written.put(t, start);
            out.beginEncapsulation();
            switch (k) {
                case TCKind._tk_sequence: case TCKind._tk_array:
                    write(out, t.content_type(), written);
                    out.write_ulong(t.length());
                    break;
                case TCKind._tk_alias: case TCKind._tk_value_box:
                    out.write_string(t.id());
                    out.write_string(t.name());
                    write(out, t.content_type(), written);
                    break;
                case TCKind._tk_struct: case TCKind._tk_except: {
                    out.write_string(t.id());
                    out.write_string(t.name());
                    int n = t.member_count();
                    out.write_ulong(n);
                    for (int i = 0; i < n; i++) {
                        out.write_string(t.member_name(i));
                        write(out, t.member_type(i), written);
                    }
                    break;
                }
                case TCKind._tk_union: {
                    out.write_string(t.id());
                    out.write_string(t.name());
                    TypeCode d = t.discriminator_type();
                    write(out, d, written);
                    int def = t.default_index();
                    out.write_long(def);
                    int n = t.member_count();
                    out.write_ulong(n);
                    for (int i = 0; i < n; i++) {
                        writeLabel(out, d, i == def ? null : t.member_label(i));
                        out.write_string(t.member_name(i));
                        write(out, t.member_type(i), written);
                    }
                    break;
                }
                case TCKind._tk_enum: {
                    out.write_string(t.id());
                    out.write_string(t.name());
                    int n = t.member_count();
                    out.write_ulong(n);
                    for (int i = 0; i < n; i++) out.write_string(t.member_name(i));
                    break;
                }
                case TCKind._tk_value: case TCKind._tk_event: {
                    out.write_string(t.id());
                    out.write_string(t.name());
                    out.write_short(t.type_modifier());
                    TypeCode b = t.concrete_base_type();
                    write(out, b == null ? ORB.init().get_primitive_tc(TCKind.tk_null) : b, written);
                    int n = t.member_count();
                    out.write_ulong(n);
                    for (int i = 0; i < n; i++) {
                        out.write_string(t.member_name(i));
                        write(out, t.member_type(i), written);
                        out.write_short(t.member_visibility(i));
                    }
                    break;
                }
                default:  // references and natives: identifier and name
                    out.write_string(t.id());
                    out.write_string(t.name());
                    break;
            }
            out.endEncapsulation();
        } finally {
            out.typeCodeDepth(-1);
        }
    }

    // A union label as a value of the discriminator type; the default
    // member's label is 0 (FALSE, the first enumerator), which a reader
    // ignores.
    private static void writeLabel(CDROutputStream out, TypeCode discriminator, Any label) {
        long v = label == null ? 0 : labelValue(label);
        switch (TypeCode.unaliased(discriminator).kind().value()) {
            case TCKind._tk_boolean: out.write_boolean(v != 0); break;
            case TCKind._tk_char: out.write_char((char) v); break;
            case TCKind._tk_wchar: out.write_wchar((char) v); break;
            case TCKind._tk_short: case TCKind._tk_ushort: out.write_short((short) v); break;
            case TCKind._tk_long: case TCKind._tk_ulong: case TCKind._tk_enum: out.write_long((int) v); break;
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: out.write_longlong(v); break;
            default: throw new BAD_TYPECODE("discriminator of kind " + discriminator.kind(), 0,
                                            CompletionStatus.COMPLETED_NO);
        }
    }

    static long labelValue(Any label) {
        org.omg.CORBA.portable.InputStream in = label.create_input_stream();
        switch (TypeCode.unaliased(label.type()).kind().value()) {
            case TCKind._tk_boolean: return in.read_boolean() ? 1 : 0;
            case TCKind._tk_char: return in.read_char();
            case TCKind._tk_wchar: return in.read_wchar();
            case TCKind._tk_short: return in.read_short();
            case TCKind._tk_ushort: return in.read_ushort() & 0xFFFFL;
            case TCKind._tk_long: return in.read_long();
            case TCKind._tk_ulong: case TCKind._tk_enum: return in.read_ulong() & 0xFFFFFFFFL;
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: return in.read_longlong();
            default: throw new BAD_TYPECODE("label of kind " + label.type().kind(), 0, CompletionStatus.COMPLETED_NO);
        }
    }

    // What one top-level read knows: the type codes read so far by where
    // they start, and the identifiers of those still being read.
    static final class ReadContext {
        final Map<Integer, TypeCode> done = new HashMap<>();
        final Map<Integer, String> pending = new HashMap<>();
        int depth;
    }

    static TypeCode read(CDRInputStream in) {
        ReadContext ctx = in.typeCodes;
        in.align(4);
        int start = in.position();
        int k = in.read_ulong();
        if (k == INDIRECTION) {
            int at = in.position();
            int offset = in.read_long();
            long target = (long) at + offset;
            if (offset > -4 || target < 0)
                throw marshal("type code indirection " + offset + " does not point back");
            TypeCode t = ctx.done.get((int) target);
            if (t != null) return t;
            String id = ctx.pending.get((int) target);
            if (id == null) throw marshal("type code indirection " + offset + " points to no type code");
            if (id.isEmpty()) throw marshal("recursive type code without identifier");
            return ORB.init().create_recursive_tc(id);
        }
        ORB orb = ORB.init();
        switch (k) {
            case TCKind._tk_string:
                return orb.create_string_tc(bound(in));
            case TCKind._tk_wstring:
                return orb.create_wstring_tc(bound(in));
            case TCKind._tk_fixed: {
                short digits = in.read_ushort();
                short scale = in.read_short();
                if (digits < 1 || digits > 31 || scale < 0 || scale > digits)
                    throw marshal("fixed<" + digits + "," + scale + ">");
                return orb.create_fixed_tc(digits, scale);
            }
            case TCKind._tk_Principal: case TCKind._tk_null: case TCKind._tk_void: case TCKind._tk_short:
            case TCKind._tk_long: case TCKind._tk_ushort: case TCKind._tk_ulong: case TCKind._tk_float:
            case TCKind._tk_double: case TCKind._tk_boolean: case TCKind._tk_char: case TCKind._tk_octet:
            case TCKind._tk_any: case TCKind._tk_TypeCode: case TCKind._tk_longlong: case TCKind._tk_ulonglong:
            case TCKind._tk_longdouble: case TCKind._tk_wchar:
                return orb.get_primitive_tc(TCKind.from_int(k));
            default:
                if (!complex(k)) throw marshal("type code kind " + (k & 0xFFFFFFFFL));
        }
        if (ctx.depth >= CDRInputStream.MAX_DEPTH) throw marshal("type codes nested deeper than " + CDRInputStream.MAX_DEPTH);
        ctx.depth++;
        ctx.pending.put(start, "");
        in.beginEncapsulation();
        TypeCode t;
        try {
            t = readComplex(in, ctx, k, start, orb);
        } catch (org.omg.CORBA.BAD_PARAM | org.omg.CORBA.TypeCodePackage.BadKind e) {
            throw marshal("bad type code: " + e.getMessage());
        } finally {
            ctx.depth--;
            ctx.pending.remove(start);
            in.endEncapsulation();
        }
        ctx.done.put(start, t);
        return t;
    }

    private static int bound(CDRInputStream in) {
        int b = in.read_ulong();
        if (b < 0) throw marshal("bound " + (b & 0xFFFFFFFFL));
        return b;
    }

    // A member count: each member takes at least `size` octets.
    private static int count(CDRInputStream in, int size) {
        return in.read_length(size);
    }

    private static String named(CDRInputStream in, ReadContext ctx, int start) {
        String id = in.read_string();
        ctx.pending.put(start, id);
        return id;
    }

    private static TypeCode readComplex(CDRInputStream in, ReadContext ctx, int k, int start, ORB orb) {
        switch (k) {
            case TCKind._tk_sequence: {
                TypeCode element = read(in);
                return orb.create_sequence_tc(bound(in), element);
            }
            case TCKind._tk_array: {
                TypeCode element = read(in);
                return orb.create_array_tc(bound(in), element);
            }
            case TCKind._tk_alias: case TCKind._tk_value_box: {
                String id = named(in, ctx, start);
                String name = in.read_string();
                TypeCode content = read(in);
                return k == TCKind._tk_alias ? orb.create_alias_tc(id, name, content)
                                             : orb.create_value_box_tc(id, name, content);
            }
            case TCKind._tk_struct: case TCKind._tk_except: {
                String id = named(in, ctx, start);
                String name = in.read_string();
                int n = count(in, 8);
                StructMember[] members = new StructMember[n];
                for (int i = 0; i < n; i++) {
                    String member = in.read_string();
                    members[i] = new StructMember(member, read(in), null);
                }
                return k == TCKind._tk_struct ? orb.create_struct_tc(id, name, members)
                                              : orb.create_exception_tc(id, name, members);
            }
            case TCKind._tk_union: {
                String id = named(in, ctx, start);
                String name = in.read_string();
                TypeCode d = read(in);
                int def = in.read_long();
                int n = count(in, 9);
                // Some ORBs mark "no default member" with other negative
                // values than -1 (a union whose labels cover every value of
                // its discriminator); all of them mean the same.
                if (def < 0) def = -1;
                if (def >= n) throw marshal("default member " + def + " of " + n);
                UnionMember[] members = new UnionMember[n];
                for (int i = 0; i < n; i++) {
                    Any label = readLabel(in, d, orb);
                    if (i == def) {
                        label = orb.create_any();
                        label.insert_octet((byte) 0);
                    }
                    String member = in.read_string();
                    members[i] = new UnionMember(member, label, read(in), null);
                }
                return orb.create_union_tc(id, name, d, members);
            }
            case TCKind._tk_enum: {
                String id = named(in, ctx, start);
                String name = in.read_string();
                int n = count(in, 5);
                String[] names = new String[n];
                for (int i = 0; i < n; i++) names[i] = in.read_string();
                return orb.create_enum_tc(id, name, names);
            }
            case TCKind._tk_value: case TCKind._tk_event: {
                String id = named(in, ctx, start);
                String name = in.read_string();
                short modifier = in.read_short();
                TypeCode base = read(in);
                if (base.kind().value() == TCKind._tk_null) base = null;
                int n = count(in, 10);
                ValueMember[] members = new ValueMember[n];
                for (int i = 0; i < n; i++) {
                    String member = in.read_string();
                    TypeCode type = read(in);
                    members[i] = new ValueMember(member, "", "", "", type, null, in.read_short());
                }
                return orb.create_value_tc(id, name, modifier, base, members);
            }
            case TCKind._tk_objref: {
                String id = named(in, ctx, start);
                return orb.create_interface_tc(id, in.read_string());
            }
            case TCKind._tk_abstract_interface: {
                String id = named(in, ctx, start);
                return orb.create_abstract_interface_tc(id, in.read_string());
            }
            case TCKind._tk_local_interface: {
                String id = named(in, ctx, start);
                return orb.create_local_interface_tc(id, in.read_string());
            }
            default: {  // native, component, home
                String id = named(in, ctx, start);
                return orb.create_native_tc(id, in.read_string());
            }
        }
    }

    private static Any readLabel(CDRInputStream in, TypeCode discriminator, ORB orb) {
        Any a = orb.create_any();
        TypeCode d;
        try {
            d = TypeCode.unaliased(discriminator);
        } catch (BAD_TYPECODE e) {
            throw marshal("union discriminator: " + e.getMessage());
        }
        switch (d.kind().value()) {
            case TCKind._tk_boolean: a.insert_boolean(in.read_boolean()); break;
            case TCKind._tk_char: a.insert_char(in.read_char()); break;
            case TCKind._tk_wchar: a.insert_wchar(in.read_wchar()); break;
            case TCKind._tk_short: a.insert_short(in.read_short()); break;
            case TCKind._tk_ushort: a.insert_ushort(in.read_ushort()); break;
            case TCKind._tk_long: a.insert_long(in.read_long()); break;
            case TCKind._tk_ulong: a.insert_ulong(in.read_ulong()); break;
            case TCKind._tk_longlong: a.insert_longlong(in.read_longlong()); break;
            case TCKind._tk_ulonglong: a.insert_ulonglong(in.read_ulonglong()); break;
            case TCKind._tk_enum: {
                CDROutputStream out = CDROutputStream.forAnyValue();
                out.write_ulong(in.read_ulong());
                a.read_value(out.create_input_stream(), discriminator);
                break;
            }
            default:
                throw marshal("union discriminator of kind " + d.kind());
        }
        return a;
    }
}

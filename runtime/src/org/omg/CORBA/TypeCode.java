package org.omg.CORBA;

import java.util.ArrayList;
import java.util.IdentityHashMap;
import java.util.List;
import java.util.Map;

import org.omg.CORBA.TypeCodePackage.BadKind;
import org.omg.CORBA.TypeCodePackage.Bounds;

/**
 * A description of an IDL type.  Type codes are made by the ORB's create_*
 * calls (and by the streams that read them) and never change afterwards,
 * except that a recursive placeholder (ORB.create_recursive_tc) is bound to
 * the struct, union or value type code of its identifier that is built
 * around it.  An accessor that does not apply to the kind raises BadKind,
 * a member index out of range Bounds; both are unchecked.
 */
public class TypeCode implements org.omg.CORBA.portable.IDLEntity {

    final TCKind kind;              // null for a recursive placeholder
    final String id;
    final String name;
    final String[] memberNames;
    final TypeCode[] memberTypes;
    final Any[] labels;
    final long[] labelValues;       // the labels as numbers, for unions
    final TypeCode discriminator;
    final int defaultIndex;
    final TypeCode content;
    final int length;
    final short digits;
    final short scale;
    final short modifier;
    final TypeCode base;
    final short[] visibilities;
    // True while the type code may hold a placeholder not bound yet.
    final boolean open;
    // For a placeholder: the type code it stands for, once bound.
    private volatile TypeCode target;

    TypeCode(TCKind kind, String id, String name, String[] memberNames, TypeCode[] memberTypes, Any[] labels,
             long[] labelValues, TypeCode discriminator, int defaultIndex, TypeCode content, int length,
             short digits, short scale, short modifier, TypeCode base, short[] visibilities) {
        this.kind = kind;
        this.id = id;
        this.name = name;
        this.memberNames = memberNames;
        this.memberTypes = memberTypes;
        this.labels = labels;
        this.labelValues = labelValues;
        this.discriminator = discriminator;
        this.defaultIndex = defaultIndex;
        this.content = content;
        this.length = length;
        this.digits = digits;
        this.scale = scale;
        this.modifier = modifier;
        this.base = base;
        this.visibilities = visibilities;
        boolean o = kind == null;
        if (memberTypes != null) for (TypeCode t : memberTypes) o |= t.open;
        if (discriminator != null) o |= discriminator.open;
        if (content != null) o |= content.open;
        if (base != null) o |= base.open;
        this.open = o;
    }

    // A simple kind: no parameters.
    TypeCode(TCKind kind) {
        this(kind, null, null, null, null, null, null, null, -1, null, 0, (short) 0, (short) 0, (short) 0, null,
             null);
    }

    // The type code all calls go to: a bound placeholder's target.
    final TypeCode self() {
        if (kind != null) return this;
        TypeCode t = target;
        if (t == null)
            throw new BAD_TYPECODE("recursive type code for " + id + " used outside the type it names", 0,
                                   CompletionStatus.COMPLETED_NO);
        return t;
    }

    /**
     * The type code itself, or the one a bound recursive placeholder stands
     * for (BAD_TYPECODE for an unbound one): what the streams compare by
     * identity when they write indirections.
     */
    public final TypeCode _resolved() {
        return self();
    }

    // Whether this is a placeholder (bound or not).
    final boolean isPlaceholder() {
        return kind == null;
    }

    // Binds the placeholders for `made`'s identifier found inside its
    // members to it.
    static void bindRecursion(TypeCode made) {
        if (!made.open || made.id == null) return;
        IdentityHashMap<TypeCode, Boolean> seen = new IdentityHashMap<>();
        List<TypeCode> work = new ArrayList<>();
        work.add(made);
        while (!work.isEmpty()) {
            TypeCode t = work.remove(work.size() - 1);
            if (seen.put(t, Boolean.TRUE) != null) continue;
            if (t.kind == null) {
                if (t.target == null && made.id.equals(t.id)) t.target = made;
                continue;
            }
            if (!t.open) continue;
            if (t.memberTypes != null) for (TypeCode m : t.memberTypes) work.add(m);
            if (t.discriminator != null) work.add(t.discriminator);
            if (t.content != null) work.add(t.content);
            if (t.base != null) work.add(t.base);
        }
    }

    private static BadKind badKind(TypeCode t, String what) {
        return new BadKind(what + " does not apply to a type code of kind " + t.kind);
    }

    private static boolean hasId(int k) {
        switch (k) {
            case TCKind._tk_objref: case TCKind._tk_struct: case TCKind._tk_union: case TCKind._tk_enum:
            case TCKind._tk_alias: case TCKind._tk_except: case TCKind._tk_value: case TCKind._tk_value_box:
            case TCKind._tk_native: case TCKind._tk_abstract_interface: case TCKind._tk_local_interface:
            case TCKind._tk_component: case TCKind._tk_home: case TCKind._tk_event:
                return true;
            default:
                return false;
        }
    }

    private static boolean hasMembers(int k) {
        switch (k) {
            case TCKind._tk_struct: case TCKind._tk_union: case TCKind._tk_enum: case TCKind._tk_except:
            case TCKind._tk_value: case TCKind._tk_event:
                return true;
            default:
                return false;
        }
    }

    /** The kind of type: struct, sequence, long, ... */
    public TCKind kind() {
        return self().kind;
    }

    /**
     * The repository identifier of a named type (struct, union, enum, alias,
     * interface, exception, value); BadKind for others.
     */
    public String id() {
        TypeCode t = self();
        if (!hasId(t.kind.value())) throw badKind(t, "id()");
        return t.id;
    }

    /** The simple name of a named type; BadKind for others. */
    public String name() {
        TypeCode t = self();
        if (!hasId(t.kind.value())) throw badKind(t, "name()");
        return t.name;
    }

    /** The number of members of a struct, union, exception or value type, or of enumerators of an enum. */
    public int member_count() {
        TypeCode t = self();
        if (!hasMembers(t.kind.value())) throw badKind(t, "member_count()");
        return t.memberNames.length;
    }

    private TypeCode member(int index, String what) {
        TypeCode t = self();
        if (!hasMembers(t.kind.value())) throw badKind(t, what);
        if (index < 0 || index >= t.memberNames.length)
            throw new Bounds("member " + index + " of " + t.memberNames.length);
        return t;
    }

    /** The name of a member or enumerator; Bounds for an index out of range. */
    public String member_name(int index) {
        return member(index, "member_name()").memberNames[index];
    }

    /** The type of a member. */
    public TypeCode member_type(int index) {
        TypeCode t = member(index, "member_type()");
        if (t.memberTypes == null) throw badKind(t, "member_type()");
        return t.memberTypes[index];
    }

    /** The label of a union member; the octet 0 for the default member. */
    public Any member_label(int index) {
        TypeCode t = member(index, "member_label()");
        if (t.kind.value() != TCKind._tk_union) throw badKind(t, "member_label()");
        return t.labels[index];
    }

    /** The type of a union's discriminator. */
    public TypeCode discriminator_type() {
        TypeCode t = self();
        if (t.kind.value() != TCKind._tk_union) throw badKind(t, "discriminator_type()");
        return t.discriminator;
    }

    /** The index of the default member, or -1. */
    public int default_index() {
        TypeCode t = self();
        if (t.kind.value() != TCKind._tk_union) throw badKind(t, "default_index()");
        return t.defaultIndex;
    }

    /** The bound of a string or sequence (0 for none), the length of an array. */
    public int length() {
        TypeCode t = self();
        switch (t.kind.value()) {
            case TCKind._tk_string: case TCKind._tk_wstring: case TCKind._tk_sequence: case TCKind._tk_array:
                return t.length;
            default:
                throw badKind(t, "length()");
        }
    }

    /** The element type of a sequence or array, the original type of an alias, the boxed type of a value box. */
    public TypeCode content_type() {
        TypeCode t = self();
        switch (t.kind.value()) {
            case TCKind._tk_sequence: case TCKind._tk_array: case TCKind._tk_alias: case TCKind._tk_value_box:
                return t.content;
            default:
                throw badKind(t, "content_type()");
        }
    }

    /** The number of digits of a fixed-point type. */
    public short fixed_digits() {
        TypeCode t = self();
        if (t.kind.value() != TCKind._tk_fixed) throw badKind(t, "fixed_digits()");
        return t.digits;
    }

    /** The scale of a fixed-point type. */
    public short fixed_scale() {
        TypeCode t = self();
        if (t.kind.value() != TCKind._tk_fixed) throw badKind(t, "fixed_scale()");
        return t.scale;
    }

    private TypeCode value(String what) {
        TypeCode t = self();
        if (t.kind.value() != TCKind._tk_value && t.kind.value() != TCKind._tk_event) throw badKind(t, what);
        return t;
    }

    /** Whether a value type's member is public ({@link PUBLIC_MEMBER}) or private. */
    public short member_visibility(int index) {
        TypeCode t = value("member_visibility()");
        if (index < 0 || index >= t.memberNames.length)
            throw new Bounds("member " + index + " of " + t.memberNames.length);
        return t.visibilities[index];
    }

    /** A value type's modifier: {@link VM_NONE}, {@link VM_CUSTOM}, {@link VM_ABSTRACT} or {@link VM_TRUNCATABLE}. */
    public short type_modifier() {
        return value("type_modifier()").modifier;
    }

    /** The concrete base value type, or null. */
    public TypeCode concrete_base_type() {
        return value("concrete_base_type()").base;
    }

    /** Whether the two describe the same type, names included. */
    public boolean equal(TypeCode other) {
        if (other == null) return false;
        return new Comparison(false).same(this, other);
    }

    /**
     * Whether values of the two types are interchangeable: aliases are
     * looked through, and names and member names do not count.
     */
    public boolean equivalent(TypeCode other) {
        if (other == null) return false;
        return new Comparison(true).same(this, other);
    }

    /** The same type without names and member names (identifiers are kept). */
    public TypeCode get_compact_typecode() {
        return new Compactor().compact(this);
    }

    /** Looks through aliases. */
    public static TypeCode unaliased(TypeCode t) {
        TypeCode r = t.self();
        int guard = 0;
        while (r.kind.value() == TCKind._tk_alias) {
            r = r.content.self();
            if (++guard > 10000)
                throw new BAD_TYPECODE("alias chain without end", 0, CompletionStatus.COMPLETED_NO);
        }
        return r;
    }

    private static final class Comparison {
        private final boolean loose;
        private final Map<TypeCode, List<TypeCode>> assumed = new IdentityHashMap<>();

        Comparison(boolean loose) {
            this.loose = loose;
        }

        private static boolean same(String a, String b) {
            return a == null ? b == null || b.isEmpty() : a.equals(b) || (a.isEmpty() && b == null);
        }

        boolean same(TypeCode a, TypeCode b) {
            a = a.self();
            b = b.self();
            if (loose) {
                a = unaliased(a);
                b = unaliased(b);
            }
            if (a == b) return true;
            if (a.kind != b.kind) return false;
            // A pair met again on a recursive path counts as equal.
            List<TypeCode> partners = assumed.computeIfAbsent(a, k -> new ArrayList<>());
            for (TypeCode p : partners) if (p == b) return true;
            partners.add(b);
            int k = a.kind.value();
            if (hasId(k)) {
                boolean aId = a.id != null && !a.id.isEmpty(), bId = b.id != null && !b.id.isEmpty();
                if (loose && aId && bId) return a.id.equals(b.id);
                if (!same(a.id, b.id)) return false;
                if (!loose && !same(a.name, b.name)) return false;
            }
            if (a.length != b.length || a.digits != b.digits || a.scale != b.scale || a.modifier != b.modifier
                || a.defaultIndex != b.defaultIndex)
                return false;
            if ((a.memberNames == null) != (b.memberNames == null)) return false;
            if (a.memberNames != null) {
                if (a.memberNames.length != b.memberNames.length) return false;
                for (int i = 0; i < a.memberNames.length; i++) {
                    if (!loose && !same(a.memberNames[i], b.memberNames[i])) return false;
                    if (a.memberTypes != null && !same(a.memberTypes[i], b.memberTypes[i])) return false;
                    if (a.labelValues != null && a.labelValues[i] != b.labelValues[i]) return false;
                    if (a.visibilities != null && a.visibilities[i] != b.visibilities[i]) return false;
                }
            }
            if (!sameOptional(a.discriminator, b.discriminator)) return false;
            if (!sameOptional(a.content, b.content)) return false;
            return sameOptional(a.base, b.base);
        }

        private boolean sameOptional(TypeCode a, TypeCode b) {
            if (a == null || b == null) return a == b;
            return same(a, b);
        }
    }

    private static final class Compactor {
        private final Map<TypeCode, TypeCode> done = new IdentityHashMap<>();
        private final Map<TypeCode, Boolean> busy = new IdentityHashMap<>();

        TypeCode compact(TypeCode t) {
            t = t.self();
            TypeCode d = done.get(t);
            if (d != null) return d;
            if (busy.containsKey(t)) return ORB.init().create_recursive_tc(t.id);
            if (t.memberTypes == null && t.content == null && t.discriminator == null && t.base == null
                && (t.name == null || t.name.isEmpty()) && t.memberNames == null) {
                return t;
            }
            busy.put(t, Boolean.TRUE);
            TypeCode[] members = null;
            if (t.memberTypes != null) {
                members = new TypeCode[t.memberTypes.length];
                for (int i = 0; i < members.length; i++) members[i] = compact(t.memberTypes[i]);
            }
            String[] names = null;
            if (t.memberNames != null) {
                names = new String[t.memberNames.length];
                java.util.Arrays.fill(names, "");
            }
            TypeCode r = new TypeCode(t.kind, t.id, t.id == null ? null : "", names, members, t.labels,
                                      t.labelValues, t.discriminator == null ? null : compact(t.discriminator),
                                      t.defaultIndex, t.content == null ? null : compact(t.content), t.length,
                                      t.digits, t.scale, t.modifier, t.base == null ? null : compact(t.base),
                                      t.visibilities);
            bindRecursion(r);
            busy.remove(t);
            done.put(t, r);
            return r;
        }
    }

    public boolean equals(java.lang.Object other) {
        return other instanceof TypeCode && equal((TypeCode) other);
    }

    public int hashCode() {
        TypeCode t = self();
        int h = t.kind.value();
        if (t.id != null) h = h * 31 + t.id.hashCode();
        return h;
    }

    public String toString() {
        StringBuilder out = new StringBuilder();
        describe(this, out, new IdentityHashMap<>(), 0);
        return out.toString();
    }

    private static void describe(TypeCode t, StringBuilder out, Map<TypeCode, Boolean> open, int depth) {
        if (t.kind == null && t.target == null) {
            out.append("recursive ").append(t.id);
            return;
        }
        t = t.self();
        String kind = t.kind.toString().substring(3);
        if (open.containsKey(t) || depth > 20) {
            out.append(kind).append(' ').append(t.id);
            return;
        }
        out.append(kind);
        if (t.id != null) out.append(' ').append(t.name == null || t.name.isEmpty() ? t.id : t.name);
        int k = t.kind.value();
        if (k == TCKind._tk_string || k == TCKind._tk_wstring || k == TCKind._tk_sequence || k == TCKind._tk_array) {
            if (t.length != 0 || k == TCKind._tk_array) out.append('<').append(t.length).append('>');
        }
        if (k == TCKind._tk_fixed) out.append('<').append(t.digits).append(',').append(t.scale).append('>');
        open.put(t, Boolean.TRUE);
        if (t.discriminator != null) {
            out.append(" switch(");
            describe(t.discriminator, out, open, depth + 1);
            out.append(')');
        }
        if (t.content != null) {
            out.append(" of ");
            describe(t.content, out, open, depth + 1);
        }
        if (t.memberNames != null) {
            out.append(" {");
            for (int i = 0; i < t.memberNames.length; i++) {
                out.append(i == 0 ? " " : "; ");
                if (t.labelValues != null) out.append(i == t.defaultIndex ? "default" : "case " + t.labelValues[i])
                                               .append(": ");
                if (t.memberTypes != null) {
                    describe(t.memberTypes[i], out, open, depth + 1);
                    out.append(' ');
                }
                out.append(t.memberNames[i]);
            }
            out.append(" }");
        }
        open.remove(t);
    }
}

package vemo.harl.cdr;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.Map;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.NO_IMPLEMENT;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Values and value boxes walked by their type code, for ValueWalker: the
// tag, identifiers and chunks read through the CDR stream, the state
// member by member (a concrete base's members first), and the value
// written again with the identifiers from the type code's type on.  A
// value of another type than the type code's (a derived type; any type
// under ValueBase or an abstract interface) is walked by its own type
// code, which its Helper gives, where this process has that Helper; else
// read through its factory and written again from the Java value; else,
// when it travels chunked, truncated to the type code's type.  A custom
// value, whose state no type code describes, always goes through its
// factory.  Within one walk, a value met again through an indirection
// becomes an indirection to where it was written; one to a value the
// stream read before the walk (a parameter the any shares) writes that
// value whole; one to a value neither walked nor read raises MARSHAL.
final class ValueCopy {
    // Per thread, one map per walk in progress (anys inside anys walk
    // inside each other): where each value's tag was read to where it
    // was written (-1 when skipped).  Made when the walk meets a value.
    private static final ThreadLocal<ArrayList<Map<Integer, Integer>>> walks =
        ThreadLocal.withInitial(ArrayList::new);

    private ValueCopy() {
    }

    static void enter() {
        walks.get().add(null);
    }

    static void leave() {
        ArrayList<Map<Integer, Integer>> w = walks.get();
        w.remove(w.size() - 1);
    }

    private static Map<Integer, Integer> seen() {
        ArrayList<Map<Integer, Integer>> w = walks.get();
        if (w.isEmpty()) w.add(null);  // a walk entered otherwise than through copy or skip
        int top = w.size() - 1;
        Map<Integer, Integer> m = w.get(top);
        if (m == null) w.set(top, m = new HashMap<>());
        return m;
    }

    private static MARSHAL marshal(String reason) {
        return new MARSHAL(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    // A tk_value (or tk_event) or tk_value_box value; t null for a value of
    // any type (ValueBase, the value of an abstract interface).
    static void walk(TypeCode t, InputStream in, OutputStream out, int nesting) {
        if (!(in instanceof CDRInputStream) || (out != null && !(out instanceof CDROutputStream)))
            throw new NO_IMPLEMENT("values outside CDR streams", 0, CompletionStatus.COMPLETED_NO);
        CDRInputStream cin = (CDRInputStream) in;
        CDROutputStream cout = (CDROutputStream) out;
        if (t != null && VALUE_BASE.equals(t.id())) t = null;
        if (t != null && custom(t)) {
            throughFactory(cin, cout, t.id());
            return;
        }
        CDRInputStream.ValueHeader h = cin.readValueHeader();
        if (h.kind == CDRInputStream.NULL_VALUE) {
            if (cout != null) cout.writeNullValue();
            return;
        }
        Map<Integer, Integer> seen = seen();
        if (h.kind == CDRInputStream.EARLIER_VALUE) {
            Integer at = seen.get(h.tagAt);
            if (at != null) {
                if (cout != null) cout.writeIndirection(at);
                return;
            }
            // A value read before the any, from the same message (a
            // parameter the any shares): written into the any whole.
            java.io.Serializable earlier = cin.valueAt(h.tagAt);
            if (earlier == null) throw marshal("indirection to a value outside the any's value");
            if (cout != null) cout.write_value(earlier);
            seen.put(h.tagAt, cout == null ? -1 : cout.tagOf(earlier));
            return;
        }
        // The value's own type, when it differs from t: walked by its own
        // type code (from its Helper) where known, else read through its
        // factory, else truncated to t.
        if (h.ids != null && (t == null || !h.ids[0].equals(t.id()))) {
            cin.lookingUp(h.ids[0]);
            TypeCode own = ValueFactories.valueType(h.ids[0]);
            if (own != null && !custom(own)) {
                t = own;
            } else if (cin.knowsValueType(h.ids[0])) {
                java.io.Serializable v = cin.finishValue(h);
                if (cout != null) cout.write_value(v);
                seen.put(h.tagAt, cout == null ? -1 : cout.tagOf(v));
                return;
            }
        }
        if (t == null)
            throw marshal("value of " + (h.ids == null ? "no named type" : "the unknown type " + h.ids[0])
                          + " where any value type may be");
        String id = t.id();
        int from = 0;
        if (h.ids != null) {
            from = java.util.Arrays.asList(h.ids).indexOf(id);
            if (from < 0) throw marshal("value of type " + h.ids[0] + " where " + id + " is expected");
            if (from > 0 && !h.chunked)
                throw marshal("value of type " + h.ids[0] + " without chunks cannot be truncated to " + id);
        }
        String[] ids = h.ids == null ? new String[] {id} : java.util.Arrays.copyOfRange(h.ids, from, h.ids.length);
        int at = cout == null ? -1 : cout.beginValue(ids, h.chunked && ids.length > 1);
        seen.put(h.tagAt, at);
        if (t.kind().value() == TCKind._tk_value_box) ValueWalker.member(t.content_type(), in, out, nesting + 1);
        else state(t, in, out, nesting);
        cin.endValue(h);
        if (cout != null) cout.endValue();
    }

    private static final String VALUE_BASE = "IDL:omg.org/CORBA/ValueBase:1.0";

    // A custom value, whose state no type code describes: read as a Java
    // value through its factory and written again.
    private static void throughFactory(CDRInputStream in, CDROutputStream out, String id) {
        java.io.Serializable v = in.read_value(id);
        if (out != null) out.write_value(v);
    }

    private static boolean custom(TypeCode t) {
        return t.kind().value() != TCKind._tk_value_box && t.type_modifier() == org.omg.CORBA.VM_CUSTOM.value;
    }

    // The members of the concrete bases, outermost first, then the type's
    // own.
    private static void state(TypeCode t, InputStream in, OutputStream out, int nesting) {
        TypeCode base = t.concrete_base_type();
        if (base != null) {
            if (nesting > ValueWalker.MAX_NESTING) throw marshal("value bases deeper than " + ValueWalker.MAX_NESTING);
            TypeCode b = TypeCode.unaliased(base);
            if (b.kind().value() != TCKind._tk_value && b.kind().value() != TCKind._tk_event)
                throw marshal("value base of kind " + b.kind());
            state(b, in, out, nesting + 1);
        }
        for (int i = 0, n = t.member_count(); i < n; i++) ValueWalker.member(t.member_type(i), in, out, nesting + 1);
    }
}

import java.io.Serializable;
import java.math.BigDecimal;

import org.omg.CORBA.Any;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.ORB;
import org.omg.CORBA.PUBLIC_MEMBER;
import org.omg.CORBA.StructMember;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.VM_NONE;
import org.omg.CORBA.VM_TRUNCATABLE;
import org.omg.CORBA.ValueMember;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.StreamableValue;
import org.omg.CORBA.portable.ValueFactory;

// Value types for the GIOP mutation test, written the way generated code
// is shaped, and the values its messages carry:
//
//   valuetype Node { public long id; public Node next; public string label; };
//   valuetype Base { public string name; };
//   valuetype Derived : truncatable Base { public long extra; public Node node; };
//   struct Pack { Node a; Node b; Base s; Base t; Node u; };
//
// A Pack holds a cycle of two nodes (a, b), a Derived whose node is a (an
// indirection back), and a Derived whose node c is named again by u after
// it (an indirection into the state a receiver without Derived's factory
// skips).  Derived has no factory in the process, so a receiver truncates
// it to Base, skipping its chunks; Node and Base have theirs.
final class FuzzValues {
    private FuzzValues() {
    }

    static final String NODE = "IDL:fuzz/Node:1.0";
    static final String BASE = "IDL:fuzz/Base:1.0";
    static final String DERIVED = "IDL:fuzz/Derived:1.0";

    static org.omg.CORBA_2_3.portable.InputStream in2(InputStream in) {
        return (org.omg.CORBA_2_3.portable.InputStream) in;
    }

    static org.omg.CORBA_2_3.portable.OutputStream out2(OutputStream out) {
        return (org.omg.CORBA_2_3.portable.OutputStream) out;
    }

    static <T> T read(InputStream in, String id, Class<T> c) {
        Serializable v = in2(in).read_value(id);
        if (v == null || c.isInstance(v)) return c.cast(v);
        throw new MARSHAL("a " + v.getClass().getName() + " where a " + c.getSimpleName() + " is expected");
    }

    public static class Node implements StreamableValue {
        public int id;
        public Node next;
        public String label = "";

        Node() {
        }

        Node(int id, String label) {
            this.id = id;
            this.label = label;
        }

        public String[] _truncatable_ids() {
            return new String[] {NODE};
        }

        public void __read(InputStream in) {
            id = in.read_long();
            next = read(in, NODE, Node.class);
            label = in.read_string();
        }

        public void __write(OutputStream out) {
            out.write_long(id);
            out2(out).write_value(next, NODE);
            out.write_string(label);
        }

        public TypeCode __type() {
            return nodeType();
        }
    }

    public static class Base implements StreamableValue {
        public String name = "";

        public String[] _truncatable_ids() {
            return new String[] {BASE};
        }

        public void __read(InputStream in) {
            name = in.read_string();
        }

        public void __write(OutputStream out) {
            out.write_string(name);
        }

        public TypeCode __type() {
            return baseType();
        }
    }

    public static class Derived extends Base {
        public int extra;
        public Node node;

        public String[] _truncatable_ids() {
            return new String[] {DERIVED, BASE};
        }

        public void __read(InputStream in) {
            super.__read(in);
            extra = in.read_long();
            node = read(in, NODE, Node.class);
        }

        public void __write(OutputStream out) {
            super.__write(out);
            out.write_long(extra);
            out2(out).write_value(node, NODE);
        }

        public TypeCode __type() {
            return derivedType();
        }
    }

    static ORB orb() {
        return ORB.init();
    }

    static TypeCode nodeType() {
        return orb().create_value_tc(NODE, "Node", VM_NONE.value, null, new ValueMember[] {
            new ValueMember("id", "", "", "", orb().get_primitive_tc(TCKind.tk_long), null, PUBLIC_MEMBER.value),
            new ValueMember("next", "", "", "", orb().create_recursive_tc(NODE), null, PUBLIC_MEMBER.value),
            new ValueMember("label", "", "", "", orb().create_string_tc(0), null, PUBLIC_MEMBER.value)});
    }

    static TypeCode baseType() {
        return orb().create_value_tc(BASE, "Base", VM_NONE.value, null, new ValueMember[] {
            new ValueMember("name", "", "", "", orb().create_string_tc(0), null, PUBLIC_MEMBER.value)});
    }

    static TypeCode derivedType() {
        return orb().create_value_tc(DERIVED, "Derived", VM_TRUNCATABLE.value, baseType(), new ValueMember[] {
            new ValueMember("extra", "", "", "", orb().get_primitive_tc(TCKind.tk_long), null, PUBLIC_MEMBER.value),
            new ValueMember("node", "", "", "", nodeType(), null, PUBLIC_MEMBER.value)});
    }

    static TypeCode packType() {
        TypeCode node = nodeType(), base = baseType();
        return orb().create_struct_tc("IDL:fuzz/Pack:1.0", "Pack", new StructMember[] {
            new StructMember("a", node, null), new StructMember("b", node, null), new StructMember("s", base, null),
            new StructMember("t", base, null), new StructMember("u", node, null)});
    }

    static void registerFactories(ORB orb) {
        orb.register_value_factory(NODE, (ValueFactory) in -> in.read_value(new Node()));
        orb.register_value_factory(BASE, (ValueFactory) in -> in.read_value(new Base()));
    }

    public static final class Pack {
        public Node a, b, u;
        public Base s, t;

        static Pack make() {
            Pack p = new Pack();
            p.a = new Node(1, "a");
            p.b = new Node(2, "b");
            p.a.next = p.b;
            p.b.next = p.a;
            Derived s = new Derived();
            s.name = "s";
            s.extra = 7;
            s.node = p.a;
            p.s = s;
            Derived t = new Derived();
            t.name = "t";
            t.extra = 8;
            t.node = new Node(3, "c");
            p.t = t;
            p.u = t.node;
            return p;
        }

        void write(OutputStream out) {
            out2(out).write_value(a, NODE);
            out2(out).write_value(b, NODE);
            out2(out).write_value(s, BASE);
            out2(out).write_value(t, BASE);
            out2(out).write_value(u, NODE);
        }

        void read(InputStream in) {
            a = FuzzValues.read(in, NODE, Node.class);
            b = FuzzValues.read(in, NODE, Node.class);
            s = FuzzValues.read(in, BASE, Base.class);
            t = FuzzValues.read(in, BASE, Base.class);
            u = FuzzValues.read(in, NODE, Node.class);
        }

        // What a receiver without Derived's factory must have read.
        String check() {
            if (a == null || b == null || a.next != b || b.next != a || a.id != 1 || !"b".equals(b.label))
                return "the cycle of nodes";
            if (s == null || s instanceof Derived || !"s".equals(s.name)) return "the first Derived truncated to Base";
            if (t == null || t instanceof Derived || !"t".equals(t.name)) return "the second Derived truncated to Base";
            if (u == null || u.id != 3 || !"c".equals(u.label)) return "the node inside the truncated state";
            return null;
        }
    }

    // A Pack as an operation's parameter and result.
    public static final class PackHolder implements org.omg.CORBA.portable.Streamable {
        public Pack value;

        public PackHolder() {
        }

        public PackHolder(Pack v) {
            value = v;
        }

        public void __write(OutputStream out) {
            value.write(out);
        }

        public void __read(InputStream in) {
            value = new Pack();
            value.read(in);
        }

        public TypeCode __type() {
            return packType();
        }
    }

    // Anys of values and of a fixed-point number: a Pack (walked by its
    // type code, the Derived values truncated), the cycle under ValueBase
    // (read through Node's factory), and fixed<31,3> at 31 digits.
    static Any[] anys(ORB orb) {
        Any pack = orb.create_any();
        OutputStream out = pack.create_output_stream();
        pack.type(packType());
        Pack.make().write(out);
        pack.read_value(out.create_input_stream(), packType());
        Any cycle = orb.create_any();
        cycle.insert_Value(Pack.make().a, orb.create_value_tc("IDL:omg.org/CORBA/ValueBase:1.0", "ValueBase",
                                                              VM_NONE.value, null, new ValueMember[0]));
        Any fixed = orb.create_any();
        fixed.insert_fixed(new BigDecimal("-1234567890123456789012345678.901"),
                           orb.create_fixed_tc((short) 31, (short) 3));
        return new Any[] {pack, cycle, fixed};
    }
}

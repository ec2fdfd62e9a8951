import java.io.Serializable;
import java.util.Arrays;

import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.StreamableValue;
import org.omg.CORBA.portable.ValueFactory;

import vemo.harl.cdr.CDRInputStream;
import vemo.harl.cdr.CDROutputStream;

// Value types through the CDR streams, with value classes written the way
// generated code is shaped (an abstract class with the state, an Impl, a
// factory, a Helper whose read and write call the value streams): sharing
// and cycles, null, chunks nested three deep, truncation of an unknown
// derived type, custom marshalling, abstract interfaces, value factories,
// type codes and anys of values, and crafted octets that must end in
// MARSHAL.
//
//     java -cp quorvex-runtime.jar:classes ValueTest
public class ValueTest {
    static final ORB orb = ORB.init();
    private static int failures = 0;
    private static int checks = 0;

    static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            failures++;
            System.out.println("FAILED: " + what);
        }
    }

    interface Body {
        void run() throws Exception;
    }

    static void raises(Class<? extends SystemException> expected, Body body, String what) {
        checks++;
        try {
            body.run();
            failures++;
            System.out.println("FAILED: " + what + ": no " + expected.getSimpleName());
        } catch (Throwable e) {
            if (!expected.isInstance(e)) {
                failures++;
                System.out.println("FAILED: " + what + ": " + e + " instead of " + expected.getSimpleName());
            }
        }
    }

    static org.omg.CORBA_2_3.portable.InputStream in2(InputStream in) {
        return (org.omg.CORBA_2_3.portable.InputStream) in;
    }

    static org.omg.CORBA_2_3.portable.OutputStream out2(OutputStream out) {
        return (org.omg.CORBA_2_3.portable.OutputStream) out;
    }

    // valuetype Node { public long id; public Node next; public string label; };
    public abstract static class Node implements StreamableValue {
        public int id;
        public Node next;
        public String label = "";
        private static final String[] _ids = {"IDL:T/Node:1.0"};

        public String[] _truncatable_ids() {
            return _ids;
        }

        public void __read(InputStream in) {
            id = in.read_long();
            next = NodeHelper.read(in);
            label = in.read_string();
        }

        public void __write(OutputStream out) {
            out.write_long(id);
            NodeHelper.write(out, next);
            out.write_string(label);
        }

        public TypeCode __type() {
            return NodeHelper.type();
        }
    }

    public static class NodeImpl extends Node {
        NodeImpl() {
        }

        NodeImpl(int id, String label) {
            this.id = id;
            this.label = label;
        }
    }

    public static class NodeFactory implements ValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new NodeImpl());
        }
    }

    public static final class NodeHelper {
        private static TypeCode tc;

        public static synchronized TypeCode type() {
            if (tc == null)
                tc = orb.create_value_tc(id(), "Node", VM_NONE.value, null, new ValueMember[] {
                    new ValueMember("id", "", "", "", orb.get_primitive_tc(TCKind.tk_long), null, PUBLIC_MEMBER.value),
                    new ValueMember("next", "", "", "", orb.create_recursive_tc(id()), null, PUBLIC_MEMBER.value),
                    new ValueMember("label", "", "", "", orb.create_string_tc(0), null, PRIVATE_MEMBER.value)});
            return tc;
        }

        public static String id() {
            return "IDL:T/Node:1.0";
        }

        // A peer may send a value of any type this process has a factory
        // for: the Helper checks the class before the cast.
        public static Node read(InputStream in) {
            Serializable v = in2(in).read_value(id());
            if (v == null || v instanceof Node) return (Node) v;
            throw new MARSHAL("a " + v.getClass().getName() + " where a Node is expected");
        }

        public static void write(OutputStream out, Node v) {
            out2(out).write_value(v, id());
        }

        public static void insert(Any a, Node v) {
            OutputStream out = a.create_output_stream();
            a.type(type());
            write(out, v);
            a.read_value(out.create_input_stream(), type());
        }

        public static Node extract(Any a) {
            return read(a.create_input_stream());
        }
    }

    public static final class NodeHolder implements org.omg.CORBA.portable.Streamable {
        public Node value;

        public NodeHolder() {
        }

        public NodeHolder(Node v) {
            value = v;
        }

        public void __write(OutputStream out) {
            NodeHelper.write(out, value);
        }

        public void __read(InputStream in) {
            value = NodeHelper.read(in);
        }

        public TypeCode __type() {
            return NodeHelper.type();
        }
    }

    // interface Pairs { Node pair(in Node a, in Node b, out Node c); };
    // written as the generated skeleton and stub are: the result is a, c
    // is b.
    public static final class Pairs extends org.omg.CORBA.portable.ObjectImpl
        implements org.omg.CORBA.portable.Skeleton {
        static final org.omg.CORBA.portable.OperationDescriptor PAIR = new org.omg.CORBA.portable.OperationDescriptor(
            "pair", new int[] {TCKind._tk_value, TCKind._tk_value | org.omg.CORBA.portable.OperationDescriptor.IN,
                               TCKind._tk_value | org.omg.CORBA.portable.OperationDescriptor.IN,
                               TCKind._tk_value | org.omg.CORBA.portable.OperationDescriptor.OUT},
            new Class[] {NodeHolder.class, NodeHolder.class, NodeHolder.class, NodeHolder.class}, new String[0],
            new Class[0], false);
        boolean sharedOnArrival;

        public Pairs() {
            super(null);
        }

        public String[] _get_ids() {
            return new String[] {"IDL:T/Pairs:1.0"};
        }

        public org.omg.CORBA.portable.OperationDescriptor[][] _get_dispatch_table() {
            return new org.omg.CORBA.portable.OperationDescriptor[][] {{PAIR}};
        }

        public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx) {
            Node a = ((NodeHolder) o[1]).value, b = ((NodeHolder) o[2]).value;
            sharedOnArrival = a.next == b && b.next == a;
            o[0] = new NodeHolder(a);
            ((NodeHolder) o[3]).value = b;
            return null;
        }

        static Node pair(org.omg.CORBA.portable.ObjectImpl ref, Node a, Node b, NodeHolder c) {
            java.lang.Object[] o = {null, new NodeHolder(a), new NodeHolder(b), c};
            ref._invoke(PAIR, new long[2], o);
            return ((NodeHolder) o[0]).value;
        }
    }

    // A call over loopback IIOP whose parameters share a cycle of values,
    // in GIOP 1.2 and in GIOP 1.0 little-endian: one message, one graph.
    static void throughIIOP() {
        java.util.Properties sp = new java.util.Properties();
        sp.setProperty("vemo.harl.host", "127.0.0.1");
        ORB server = ORB.init(new String[0], sp);
        Pairs servant = new Pairs();
        server.connect(servant);
        String ior = server.object_to_string(servant);
        try {
            for (String[] args : new String[][] {{"-ORBHost", "127.0.0.1"},
                                                 {"-ORBHost", "127.0.0.1", "-ORBGIOPMinor", "0", "-ORBLittleEndian", "true"}}) {
                ORB client = ORB.init(args, null);
                try {
                    org.omg.CORBA.portable.ObjectImpl ref = (org.omg.CORBA.portable.ObjectImpl) client.string_to_object(ior);
                    NodeImpl a = new NodeImpl(1, "a"), b = new NodeImpl(2, "b");
                    a.next = b;
                    b.next = a;
                    NodeHolder c = new NodeHolder();
                    Node r = Pairs.pair(ref, a, b, c);
                    check(servant.sharedOnArrival && r != a && r.id == 1 && r.next == c.value && c.value.next == r,
                          "values shared across a call's parameters, both ways (" + String.join(" ", args) + ")");
                } finally {
                    client.destroy();
                }
            }
        } finally {
            server.destroy();
        }
    }

    // valuetype Shape { public string name; };
    // valuetype Circle : truncatable Shape { public double radius; public Node center; };
    public abstract static class Shape implements StreamableValue {
        public String name = "";
        private static final String[] _ids = {"IDL:T/Shape:1.0"};

        public String[] _truncatable_ids() {
            return _ids;
        }

        public void __read(InputStream in) {
            name = in.read_string();
        }

        public void __write(OutputStream out) {
            out.write_string(name);
        }

        public TypeCode __type() {
            return ShapeHelper.type();
        }
    }

    public static class ShapeImpl extends Shape {
    }

    public static class ShapeFactory implements ValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new ShapeImpl());
        }
    }

    public static final class ShapeHelper {
        static TypeCode type() {
            return orb.create_value_tc("IDL:T/Shape:1.0", "Shape", VM_NONE.value, null, new ValueMember[] {
                new ValueMember("name", "", "", "", orb.create_string_tc(0), null, PUBLIC_MEMBER.value)});
        }

        static Shape read(InputStream in) {
            return (Shape) in2(in).read_value("IDL:T/Shape:1.0");
        }

        static void write(OutputStream out, Shape v) {
            out2(out).write_value(v, "IDL:T/Shape:1.0");
        }

        static void insert(Any a, Shape v) {
            OutputStream out = a.create_output_stream();
            a.type(type());
            write(out, v);
            a.read_value(out.create_input_stream(), type());
        }
    }

    public abstract static class Circle extends Shape {
        public double radius;
        public Node center;
        private static final String[] _ids = {"IDL:T/Circle:1.0", "IDL:T/Shape:1.0"};

        public String[] _truncatable_ids() {
            return _ids;
        }

        public void __read(InputStream in) {
            super.__read(in);
            radius = in.read_double();
            center = NodeHelper.read(in);
        }

        public void __write(OutputStream out) {
            super.__write(out);
            out.write_double(radius);
            NodeHelper.write(out, center);
        }

        static TypeCode circleType() {
            return orb.create_value_tc("IDL:T/Circle:1.0", "Circle", VM_TRUNCATABLE.value, ShapeHelper.type(),
                                       new ValueMember[] {
                new ValueMember("radius", "", "", "", orb.get_primitive_tc(TCKind.tk_double), null, PUBLIC_MEMBER.value),
                new ValueMember("center", "", "", "", NodeHelper.type(), null, PRIVATE_MEMBER.value)});
        }
    }

    public static class CircleImpl extends Circle {
    }

    public static class CircleFactory implements ValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new CircleImpl());
        }
    }

    // custom valuetype Bag { ... }: a count and that many values of any
    // type, written by the value itself.
    public static class Bag implements org.omg.CORBA.portable.CustomValue {
        Serializable[] items = new Serializable[0];
        long stamp;

        public String[] _truncatable_ids() {
            return new String[] {"IDL:T/Bag:1.0"};
        }

        public void marshal(DataOutputStream os) {
            os.write_longlong(stamp);
            os.write_ulong(items.length);
            for (Serializable s : items) os.write_Value(s);
            os.write_octet_array(new byte[] {1, 2, 3}, 0, 3);
        }

        public void unmarshal(DataInputStream is) {
            stamp = is.read_longlong();
            int n = is.read_ulong();
            if (n < 0 || n > 1000) throw new MARSHAL("bag of " + n);
            items = new Serializable[n];
            for (int i = 0; i < n; i++) items[i] = is.read_Value();
            byte[] tail = new byte[3];
            is.read_octet_array(tail, 0, 3);
            if (tail[2] != 3) throw new MARSHAL("bag tail");
        }
    }

    public static class BagFactory implements ValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new Bag());
        }
    }

    static void register() {
        orb.register_value_factory("IDL:T/Node:1.0", new NodeFactory());
        orb.register_value_factory("IDL:T/Shape:1.0", new ShapeFactory());
        orb.register_value_factory("IDL:T/Circle:1.0", new CircleFactory());
        orb.register_value_factory("IDL:T/Bag:1.0", new BagFactory());
    }

    static CDROutputStream writer(boolean little, int minor) {
        return new CDROutputStream(orb, minor, little);
    }

    static CDRInputStream readBack(CDROutputStream out) {
        return (CDRInputStream) out.create_input_stream();
    }

    // How many aligned longs of the stream are the pattern.
    static int count(byte[] b, int[] pattern) {
        int n = 0;
        for (int i = 0; i + pattern.length <= b.length; i += 4) {
            boolean all = true;
            for (int j = 0; j < pattern.length && all; j++) all = (b[i + j] & 0xFF) == pattern[j];
            if (all) n++;
        }
        return n;
    }

    // Sharing and cycles: one Java object written twice is one object read
    // back, and its second writing is an indirection.
    static void sharing() {
        for (boolean little : new boolean[] {false, true}) {
            String how = little ? " (little-endian)" : " (big-endian)";
            NodeImpl a = new NodeImpl(1, "a"), b = new NodeImpl(2, "b");
            a.next = b;
            b.next = a;
            CDROutputStream out = writer(little, 2);
            out.write_octet((byte) 7);
            NodeHelper.write(out, a);
            NodeHelper.write(out, b);
            NodeHelper.write(out, null);
            out.write_long(0x5EED);
            byte[] octets = out.toByteArray();
            check(count(octets, new int[] {0xFF, 0xFF, 0xFF, 0xFF}) == 2,
                  "a cycle and a second writing give two indirections" + how);
            CDRInputStream in = readBack(out);
            in.read_octet();
            Node a2 = NodeHelper.read(in), b2 = NodeHelper.read(in), none = NodeHelper.read(in);
            check(a2 != null && a2.id == 1 && a2.label.equals("a") && a2.next == b2 && b2.next == a2 && none == null
                      && in.read_long() == 0x5EED && in.available() == 0, "cycle and sharing read back" + how);
        }
        // A struct holding the same value in two fields.
        NodeImpl shared = new NodeImpl(3, "s");
        CDROutputStream out = writer(false, 2);
        NodeHelper.write(out, shared);
        NodeHelper.write(out, shared);
        CDRInputStream in = readBack(out);
        check(NodeHelper.read(in) == NodeHelper.read(in), "two fields, one value");
        // A null value is the null tag.
        CDROutputStream nul = writer(false, 2);
        NodeHelper.write(nul, null);
        check(Arrays.equals(nul.toByteArray(), new byte[4]), "null is the null tag");
        // Identifiers come from the value's own class, whatever the Helper
        // says: a Circle written as a Shape arrives as a Circle.
        CircleImpl c = new CircleImpl();
        c.name = "c";
        c.radius = 2.5;
        CDROutputStream poly = writer(false, 2);
        ShapeHelper.write(poly, c);
        Shape s = ShapeHelper.read(readBack(poly));
        check(s instanceof CircleImpl && ((Circle) s).radius == 2.5 && s.name.equals("c"), "a derived value as its base");
    }

    static Bag bagOf(Serializable... items) {
        Bag bag = new Bag();
        bag.stamp = 0x0102030405060708L;
        bag.items = items;
        return bag;
    }

    // Chunks: a custom value (always chunked) holding a truncatable value
    // holding a plain one: chunks three deep, in every byte order and GIOP
    // version that carries them; a shared node across the levels.
    static void chunking() {
        for (int minor = 0; minor <= 2; minor++) {
            for (boolean little : new boolean[] {false, true}) {
                String how = " (GIOP 1." + minor + (little ? ", little-endian)" : ", big-endian)");
                NodeImpl center = new NodeImpl(9, "center");
                CircleImpl c = new CircleImpl();
                c.name = "wheel";
                c.radius = 0.75;
                c.center = center;
                Bag bag = bagOf(c, center, null, bagOf(new NodeImpl(4, "inner")));
                CDROutputStream out = writer(little, minor);
                out.write_boolean(true);
                out2(out).write_value(bag);
                out.write_long(0x5EED);
                CDRInputStream in = readBack(out);
                in.read_boolean();
                Bag got = (Bag) in.read_value();
                check(got.stamp == bag.stamp && got.items.length == 4 && got.items[0] instanceof CircleImpl
                          && ((Circle) got.items[0]).center == got.items[1] && ((Node) got.items[1]).label.equals("center")
                          && got.items[2] == null && ((Node) ((Bag) got.items[3]).items[0]).id == 4
                          && in.read_long() == 0x5EED && in.available() == 0, "chunks three deep" + how);
            }
        }
    }

    // End tags: a nested value that ends with the value around it shares
    // its end tag (-1 ends both); one followed by more state of the value
    // around it has its own (-2), and that state goes on in a new chunk.
    static void endTags() {
        CircleImpl c = new CircleImpl();
        c.center = new NodeImpl(1, "own");
        CDROutputStream last = writer(false, 2);
        ShapeHelper.write(last, c);
        byte[] b = last.toByteArray();
        check(count(b, new int[] {0xFF, 0xFF, 0xFF, 0xFE}) == 0 && count(b, new int[] {0xFF, 0xFF, 0xFF, 0xFF}) == 1
                  && (b[b.length - 1] & 0xFF) == 0xFF, "one end tag for a nested value ending its enclosing one");
        CDROutputStream more = writer(false, 2);
        out2(more).write_value(bagOf(new NodeImpl(2, "x")));
        byte[] m = more.toByteArray();
        check(count(m, new int[] {0xFF, 0xFF, 0xFF, 0xFE}) == 1 && ((Bag) readBack(more).read_value()).items.length == 1,
              "a nested value's own end tag where the enclosing state goes on");
    }

    // Truncation: a receiver without Circle's factory gets the Shape, and
    // reads on after it.
    static void truncation() {
        NodeImpl center = new NodeImpl(5, "c");
        CircleImpl c = new CircleImpl();
        c.name = "round";
        c.radius = 1;
        c.center = center;
        CDROutputStream out = writer(false, 2);
        ShapeHelper.write(out, c);
        NodeHelper.write(out, center);
        out.write_long(0x5EED);
        orb.unregister_value_factory("IDL:T/Circle:1.0");
        try {
            CDRInputStream in = readBack(out);
            Shape s = ShapeHelper.read(in);
            check(s instanceof ShapeImpl && s.name.equals("round"), "truncated to the known base");
            // The center was inside the state skipped; its type is known,
            // so it was read there, and the indirection after finds it.
            Node after = NodeHelper.read(in);
            check(after != null && after.id == 5 && after.label.equals("c"),
                  "indirection to a value inside the state skipped in truncation");
            check(in.read_long() == 0x5EED, "the stream goes on after the indirection");
            // A value of a type unknown as well is skipped whole: an
            // indirection to it cannot be followed.
            orb.unregister_value_factory("IDL:T/Node:1.0");
            try {
                CDRInputStream unknown = readBack(out);
                ShapeHelper.read(unknown);
                raises(MARSHAL.class, () -> NodeHelper.read(unknown), "indirection to a value of an unknown type skipped");
            } finally {
                orb.register_value_factory("IDL:T/Node:1.0", new NodeFactory());
            }
            CDRInputStream again = readBack(out);
            ShapeHelper.read(again);
            check(again.read_long() == -1, "the stream goes on after the skipped state (next: the indirection tag)");
            // Truncated inside a custom value: the bag's own data still reads.
            CDROutputStream bagged = writer(true, 2);
            out2(bagged).write_value(bagOf(c, new NodeImpl(6, "after")));
            Bag got = (Bag) readBack(bagged).read_value();
            check(got.items[0] instanceof ShapeImpl && ((Node) got.items[1]).id == 6, "truncation inside a chunked value");
            // Expected: a Circle; only the base is known: MARSHAL, not a
            // Shape where the caller's type is Circle.
            raises(MARSHAL.class, () -> in2(readBack(out)).read_value("IDL:T/Circle:1.0"),
                   "truncated below the expected type");
        } finally {
            orb.register_value_factory("IDL:T/Circle:1.0", new CircleFactory());
        }
    }

    // Abstract interfaces: TRUE and a reference, or FALSE and a value.
    static void abstractInterfaces() {
        org.omg.CORBA.Object ref = id -> false;
        CDROutputStream out = CDROutputStream.forAnyValue();
        NodeImpl n = new NodeImpl(7, "v");
        out2(out).write_abstract_interface(ref);
        out2(out).write_abstract_interface(n);
        out2(out).write_abstract_interface(null);
        out2(out).write_abstract_interface(n);
        byte[] b = out.toByteArray();
        check(b[0] == 1 && b[8] == 0, "discriminators: TRUE for the reference, FALSE for the value");
        InputStream in = out.create_input_stream();
        java.lang.Object r = in2(in).read_abstract_interface();
        java.lang.Object v = in2(in).read_abstract_interface();
        java.lang.Object z = in2(in).read_abstract_interface();
        java.lang.Object v2 = in2(in).read_abstract_interface();
        check(r == ref && v instanceof NodeImpl && ((Node) v).id == 7 && z == null && v2 == v,
              "abstract interfaces read back");
        raises(BAD_PARAM.class, () -> out2(writer(false, 2)).write_abstract_interface(new java.lang.Object()),
               "an abstract interface that is neither");
    }

    // Factories: the registry, the default factory by class name, and the
    // fault when none is found.
    static void factories() {
        check(orb instanceof org.omg.CORBA_2_3.ORB, "the factory ORB is a CORBA_2_3 ORB");
        ValueFactory f = new NodeFactory();
        ValueFactory before = orb.register_value_factory("IDL:T/Node:1.0", f);
        check(before instanceof NodeFactory && orb.lookup_value_factory("IDL:T/Node:1.0") == f, "register and look up");
        org.omg.CORBA_2_3.ORB full = (org.omg.CORBA_2_3.ORB) ORB.init(new String[0], new java.util.Properties());
        check(full.lookup_value_factory("IDL:T/Node:1.0") == f, "a full ORB finds a factory registered elsewhere");
        full.destroy();
        check(orb.lookup_value_factory("IDL:Point:1.0") instanceof PointDefaultFactory,
              "the default factory by class name");
        check(orb.lookup_value_factory("IDL:No/Such:1.0") == null, "no factory");
        raises(BAD_PARAM.class, () -> orb.unregister_value_factory("IDL:No/Such:1.0"), "unregister what is not there");
        CDROutputStream out = writer(false, 2);
        Point p = new Point();
        p.x = 3;
        out2(out).write_value(p);
        check(((Point) readBack(out).read_value()).x == 3, "read through the default factory");
        CDROutputStream unknown = writer(false, 2);
        unknown.write_long(0x7FFFFF02);
        unknown.write_string("IDL:No/Such:1.0");
        try {
            readBack(unknown).read_value();
            check(false, "no factory: MARSHAL");
        } catch (MARSHAL e) {
            check(e.minor == 0x4f4d0001, "no factory: MARSHAL with the standard minor code");
        }
        raises(BAD_PARAM.class, () -> out2(writer(false, 2)).write_value(new java.util.ArrayList<String>()),
               "writing what is not a value type");
    }

    // Type codes of values through the streams, and values in anys: kept,
    // sent through a stream that must walk them (copied by type code,
    // indirections kept), and truncated to the any's type.
    static void typeCodesAndAnys() {
        TypeCode circle = Circle.circleType();
        CDROutputStream tcs = writer(true, 2);
        tcs.write_TypeCode(circle);
        TypeCode back = readBack(tcs).read_TypeCode();
        check(back.equal(circle) && back.type_modifier() == VM_TRUNCATABLE.value
                  && back.concrete_base_type().id().equals("IDL:T/Shape:1.0")
                  && back.member_visibility(1) == PRIVATE_MEMBER.value
                  && back.member_type(1).member_type(1).id().equals("IDL:T/Node:1.0"),
              "a value type code with base, modifier, visibility and recursion");

        NodeImpl a = new NodeImpl(1, "a"), b = new NodeImpl(2, "b");
        a.next = b;
        b.next = a;
        Any any = orb.create_any();
        NodeHelper.insert(any, a);
        Node x = NodeHelper.extract(any);
        check(x.next.next == x && x.next.label.equals("b"), "a cycle in an any");
        for (boolean little : new boolean[] {false, true}) {
            CDROutputStream out = writer(little, 2);
            out.write_octet((byte) 1);  // off the any's alignment: its value is walked
            out.write_any(any);
            out.write_long(0x5EED);
            CDRInputStream in = readBack(out);
            in.read_octet();
            Any got = in.read_any();
            Node y = NodeHelper.extract(got);
            check(y.next.next == y && y.id == 1 && in.read_long() == 0x5EED && got.equal(any),
                  "a cycle in an any through a stream" + (little ? " (little-endian)" : ""));
        }
        // An any whose value is an indirection to a parameter read before
        // it: the any holds the value whole.
        CDROutputStream shares = writer(false, 2);
        NodeHelper.write(shares, a);
        shares.write_TypeCode(NodeHelper.type());
        shares.write_long(-1);
        shares.write_long(-shares.size());
        CDRInputStream sharing = readBack(shares);
        Node param = NodeHelper.read(sharing);
        Node inAny = NodeHelper.extract(sharing.read_any());
        check(inAny.id == param.id && inAny.next.next == inAny && inAny.next.label.equals("b"),
              "an any sharing a value read before it");
        // An any of type Shape holding a Circle: walked, the value keeps
        // its type where Circle's factory is known, and is truncated to the
        // Shape where it is not.
        CircleImpl c = new CircleImpl();
        c.name = "disc";
        c.center = a;
        Any shape = orb.create_any();
        ShapeHelper.insert(shape, c);
        for (boolean known : new boolean[] {true, false}) {
            if (!known) orb.unregister_value_factory("IDL:T/Circle:1.0");
            CDROutputStream out = writer(true, 2);
            out.write_any(shape);
            Any got = readBack(out).read_any();
            Shape s = ShapeHelper.read(got.create_input_stream());
            check(known ? s instanceof Circle && ((Circle) s).center.next.next == ((Circle) s).center
                        : s instanceof ShapeImpl && s.name.equals("disc"),
                  known ? "a derived value in an any of its base type" : "truncated to the any's type");
        }
        orb.register_value_factory("IDL:T/Circle:1.0", new CircleFactory());
        // insert_Value and extract_Value: by the value's own type code, by
        // a given one, in an abstract interface; the wrong kind refused.
        Any byValue = orb.create_any();
        byValue.insert_Value(a);
        Node fromAny = (Node) byValue.extract_Value();
        byValue.insert_Value(a, orb.create_abstract_interface_tc("IDL:T/Thing:1.0", "Thing"));
        check(fromAny.next.next == fromAny && byValue.extract_Value() instanceof Node
                  && NodeHelper.type().equal(a.__type()), "insert_Value and extract_Value");
        raises(BAD_PARAM.class, () -> orb.create_any().insert_Value(a, orb.get_primitive_tc(TCKind.tk_long)),
               "insert_Value under a type code of another kind");
        Any notValue = orb.create_any();
        notValue.insert_long(1);
        raises(BAD_OPERATION.class, () -> notValue.extract_Value(), "extract_Value from an any of a long");
        // What a type code cannot describe goes through the factories: a
        // custom value, a ValueBase, a value in an abstract interface.
        Bag bag = bagOf(a, c);
        TypeCode bagType = orb.create_value_tc("IDL:T/Bag:1.0", "Bag", VM_CUSTOM.value, null, new ValueMember[0]);
        TypeCode abstractType = orb.create_abstract_interface_tc("IDL:T/Thing:1.0", "Thing");
        TypeCode[] types = {bagType, ValueBaseHelper.type(), abstractType};
        for (TypeCode type : types) {
            Any held = orb.create_any();
            OutputStream o = held.create_output_stream();
            held.type(type);
            if (type == abstractType) out2(o).write_abstract_interface(bag);
            else out2(o).write_value(bag);
            held.read_value(o.create_input_stream(), type);
            CDROutputStream wire = writer(true, 2);
            wire.write_any(held);
            Any arrived = readBack(wire).read_any();
            InputStream from = arrived.create_input_stream();
            Bag b2 = (Bag) (type == abstractType ? in2(from).read_abstract_interface() : in2(from).read_value());
            check(b2.stamp == bag.stamp && ((Node) b2.items[0]).next.next == b2.items[0]
                      && ((Circle) b2.items[1]).center == b2.items[0], "an any of " + type.kind().value() + " through factories");
        }
        // Inside a chunked value, an any's values are walked into chunks.
        AnyBox box = new AnyBox();
        box.any = any;
        CDROutputStream boxed = writer(false, 2);
        out2(boxed).write_value(box);
        AnyBox back2 = (AnyBox) readBack(boxed).read_value();
        Node z = NodeHelper.extract(back2.any);
        check(z.next.next == z, "an any of values inside a custom value");
    }

    // custom valuetype AnyBox { any a; };
    public static class AnyBox implements org.omg.CORBA.portable.CustomValue {
        Any any;

        public String[] _truncatable_ids() {
            return new String[] {"IDL:T/AnyBox:1.0"};
        }

        public void marshal(DataOutputStream os) {
            os.write_any(any);
        }

        public void unmarshal(DataInputStream is) {
            any = is.read_any();
        }
    }

    public static class AnyBoxFactory implements ValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new AnyBox());
        }
    }

    // custom valuetype Mixed: a value, then a recursive type code and a wide
    // string right after it, where the state goes on in a new chunk.
    public static class Mixed implements org.omg.CORBA.portable.CustomValue {
        Serializable node;
        TypeCode type;
        String wide;

        public String[] _truncatable_ids() {
            return new String[] {"IDL:T/Mixed:1.0"};
        }

        public void marshal(DataOutputStream os) {
            os.write_Value(node);
            os.write_TypeCode(type);
            os.write_wstring(wide);
        }

        public void unmarshal(DataInputStream is) {
            node = is.read_Value();
            type = is.read_TypeCode();
            wide = is.read_wstring();
        }
    }

    // custom valuetype Numbers: a count and that many longs, read into a
    // holder's array the stream makes.
    public static class Numbers implements org.omg.CORBA.portable.CustomValue {
        int[] values = new int[0];

        public String[] _truncatable_ids() {
            return new String[] {"IDL:T/Numbers:1.0"};
        }

        public void marshal(DataOutputStream os) {
            os.write_ulong(values.length);
            os.write_long_array(values, 0, values.length);
        }

        public void unmarshal(DataInputStream is) {
            LongSeqHolder h = new LongSeqHolder();
            is.read_long_array(h, 0, is.read_ulong());
            values = h.value;
        }
    }

    static void holders() {
        orb.register_value_factory("IDL:T/Numbers:1.0", in -> in.read_value(new Numbers()));
        Numbers n = new Numbers();
        n.values = new int[] {1, -2, 3};
        CDROutputStream out = writer(true, 2);
        out2(out).write_value(n);
        check(Arrays.equals(((Numbers) readBack(out).read_value()).values, n.values), "an array read into a holder");
        Raw huge = new Raw().l(0x7FFFFF0A).s("IDL:T/Numbers:1.0").l(8).l(0x10000000, 0).l(-1);
        raises(MARSHAL.class, () -> huge.in().read_value(), "a holder's array beyond the data");
    }

    static void mixedState() {
        orb.register_value_factory("IDL:T/Mixed:1.0", in -> in.read_value(new Mixed()));
        for (int minor = 1; minor <= 2; minor++) {
            for (boolean little : new boolean[] {false, true}) {
                Mixed m = new Mixed();
                m.node = new NodeImpl(5, "n");
                m.type = Circle.circleType();
                m.wide = "wide \u20ac";
                CDROutputStream out = writer(little, minor);
                out.write_octet((byte) 1);
                out2(out).write_value(m);
                CDRInputStream in = readBack(out);
                in.read_octet();
                Mixed got = (Mixed) in.read_value();
                check(((Node) got.node).id == 5 && got.type.equal(m.type) && got.wide.equals(m.wide),
                      "a type code and a wide string after a nested value (GIOP 1." + minor + (little ? ", little-endian)" : ")"));
            }
        }
    }

    // Octets laid out by hand, big-endian.
    static final class Raw {
        final CDROutputStream out = new CDROutputStream(orb, 2, false);

        Raw l(int... v) {
            for (int x : v) out.write_long(x);
            return this;
        }

        Raw s(String v) {
            out.write_string(v);
            return this;
        }

        Raw o(int... v) {
            for (int x : v) out.write_octet((byte) x);
            return this;
        }

        CDRInputStream in() {
            return readBack(out);
        }
    }

    static final int TAG = 0x7FFFFF02, CHUNKED = 0x7FFFFF0A;
    static final String NODE = "IDL:T/Node:1.0";

    // A Node by hand: tag, identifier, id, next (null), label "x".
    static Raw node(Raw r, int tag) {
        return r.l(tag).s(NODE).l(1, 0).s("x");
    }

    // Hand-made chunked encodings that are valid: a state split into
    // several chunks at arbitrary points, and one end tag closing two
    // values.
    static void handMadeChunks() {
        Raw split = new Raw().l(CHUNKED).s(NODE).l(4, 1).l(4, 0).l(6).s("x").o(0).l(-1).l(0x5EED);
        CDRInputStream in = split.in();
        Node n = NodeHelper.read(in);
        check(n.id == 1 && n.next == null && n.label.equals("x") && in.read_long() == 0x5EED,
              "a state split into three chunks");
        // A bag (stamp, one item, a 3-octet tail) holding a node: the bag's
        // tail goes on in a new chunk after the node's end tag -2.  With
        // the node's end tag -1 instead, the bag ends with the node, before
        // its tail.
        Raw proper = new Raw().l(0x7FFFFF0A).s("IDL:T/Bag:1.0").l(16).l(0, 0, 0, 1)
                                  .l(0x7FFFFF0A).s(NODE).l(14).l(2, 0).s("y").o(0, 0).l(-2)
                                  .l(3).o(1, 2, 3).o(0).l(-1).l(0x5EED);
        Raw both = new Raw().l(0x7FFFFF0A).s("IDL:T/Bag:1.0").l(16).l(0, 0, 0, 1)
                                .l(0x7FFFFF0A).s(NODE).l(14).l(2, 0).s("y").o(0, 0).l(-1)
                                .l(3).o(1, 2, 3).o(0).l(-1).l(0x5EED);
        CDRInputStream p = proper.in();
        Bag bag = (Bag) p.read_value();
        check(bag.items.length == 1 && ((Node) bag.items[0]).label.equals("y") && p.read_long() == 0x5EED,
              "a custom value's data after a nested value goes on in a new chunk");
        raises(MARSHAL.class, () -> both.in().read_value(), "a nested end tag closing the bag before its tail");
        // A shared end tag: a Circle whose last member is a Node; one end
        // tag -1 ends the node and the circle.
        Raw shared = new Raw().l(0x7FFFFF0E).l(2).s("IDL:T/Circle:1.0").s("IDL:T/Shape:1.0").l(16).s("c").o(0, 0)
                                  .l(0, 0)  // radius 0.0
                                  .l(0x7FFFFF0A).s(NODE).l(14).l(3, 0).s("z").o(0, 0).l(-1).l(0x5EED);
        CDRInputStream sh = shared.in();
        Circle c = (Circle) ShapeHelper.read(sh);
        check(c.name.equals("c") && c.center.id == 3 && sh.read_long() == 0x5EED, "one end tag ending two values");
    }

    interface Reader {
        void read(CDRInputStream in);
    }

    static void hostile() {
        Reader nodeReader = in -> NodeHelper.read(in);
        Reader anyValue = in -> in.read_value();
        java.lang.Object[][] cases = {
            {"not a value tag", new Raw().l(0x12345678), nodeReader},
            {"type information 4", new Raw().l(0x7FFFFF04).s(NODE), nodeReader},
            {"reserved tag bits", new Raw().l(0x7FFFFF22).s(NODE), nodeReader},
            {"indirection forward", new Raw().l(-1, 8), nodeReader},
            {"indirection to itself", new Raw().l(-1, -4), nodeReader},
            {"indirection before the data", new Raw().l(-1, -1000), nodeReader},
            {"indirection to no value", new Raw().l(0x11111111, -1, -8), (Reader) in -> { in.read_long(); NodeHelper.read(in); }},
            {"identifier list of 2^31-1", new Raw().l(0x7FFFFF06, 0x7FFFFFFF), nodeReader},
            {"empty identifier list", new Raw().l(0x7FFFFF06, 0), nodeReader},
            {"identifier indirection to nothing", new Raw().l(TAG, -1, -8), nodeReader},
            {"identifier indirection to a list", new Raw().l(0x7FFFFF06, 1).s(NODE).l(1, 0).s("x").l(TAG, -1, -48),
             (Reader) in -> { in.read_value(); in.read_value(); }},
            {"no type information, no expected type", new Raw().l(0x7FFFFF00), anyValue},
            {"no factory", new Raw().l(TAG).s("IDL:No/Such:1.0"), anyValue},
            {"unknown type without chunks", new Raw().l(0x7FFFFF06, 2).s("IDL:No/Such:1.0").s("IDL:T/Shape:1.0").s("x"), anyValue},
            {"string length beyond the data", node(new Raw(), TAG).l(0x7FFFFFF0), (Reader) in -> { NodeHelper.read(in); in.read_string(); }},
            {"chunk beyond the data", new Raw().l(CHUNKED).s(NODE).l(0x100000), nodeReader},
            {"chunk size of a value tag", new Raw().l(CHUNKED).s(NODE).l(0x7FFFFF02), nodeReader},
            {"a long across a chunk's end", new Raw().l(CHUNKED).s(NODE).l(2).o(0, 0, 0, 1), nodeReader},
            {"a string across a chunk's end", new Raw().l(CHUNKED).s(NODE).l(10).l(1, 0).l(6).s("xxxxx"), nodeReader},
            {"no end tag", new Raw().l(CHUNKED).s(NODE).l(14).l(1, 0).s("x").o(0), nodeReader},
            {"a value tag inside a chunk", new Raw().l(CHUNKED).s(NODE).l(20).l(1).l(TAG).s(NODE), nodeReader},
            {"a value without chunks inside a chunked one",
             new Raw().l(CHUNKED).s(NODE).l(4, 1).l(TAG).s(NODE).l(2, 0).s("x"), nodeReader},
            {"an end tag where the state goes on", new Raw().l(CHUNKED).s(NODE).l(4, 1).l(-1), nodeReader},
            {"state read past a shared end tag",
             new Raw().l(CHUNKED).s(NODE).l(4, 1).l(CHUNKED).s(NODE).l(14).l(2, 0).s("y").o(0, 0).l(-1).l(6).s("x"),
             nodeReader},
            {"a string's length and octets in two chunks", new Raw().l(CHUNKED).s(NODE).l(12).l(1, 0, 2).l(2).o('x', 0).o(0, 0).l(-1), nodeReader},
            {"a value of another type", new Raw().l(TAG).s("IDL:T/Shape:1.0").s("x"), nodeReader},
            {"read_value(Serializable) outside a factory", new Raw().l(0), (Reader) in -> in.read_value((Serializable) new NodeImpl())},
        };
        for (java.lang.Object[] c : cases) {
            Reader r = (Reader) c[2];
            Raw raw = (Raw) c[1];
            Class<? extends SystemException> want =
                c[0].equals("read_value(Serializable) outside a factory") ? BAD_INV_ORDER.class : MARSHAL.class;
            raises(want, () -> r.read(raw.in()), "hostile: " + c[0]);
        }
        // A value naming 300 unknown types before a known base: refused
        // before 300 searches for their classes.
        Raw many = new Raw().l(0x7FFFFF0E, 301);
        for (int i = 0; i < 300; i++) many.s("IDL:No/Such" + i + ":1.0");
        many.s("IDL:T/Shape:1.0").l(6).s("x").l(-1);
        raises(MARSHAL.class, () -> many.in().read_value(), "a value naming 300 unknown types");
        // Values nested 600 deep: a fault, not a stack overflow, in the
        // stream and in an any's walk.
        Raw deep = new Raw();
        for (int i = 0; i < 600; i++) deep.l(TAG).s(NODE).l(i);
        raises(MARSHAL.class, () -> NodeHelper.read(deep.in()), "values nested 600 deep");
        Raw deepChunks = new Raw();
        for (int i = 0; i < 600; i++) deepChunks.l(CHUNKED).s(NODE).l(4, i);
        raises(MARSHAL.class, () -> NodeHelper.read(deepChunks.in()), "chunked values nested 600 deep");
        Raw deepAny = new Raw();
        deepAny.out.write_TypeCode(NodeHelper.type());
        for (int i = 0; i < 600; i++) deepAny.l(TAG).s(NODE).l(i);
        raises(MARSHAL.class, () -> deepAny.in().read_any(), "an any of values nested 600 deep");
        // Writing a chain 600 long: refused, not a stack overflow.
        NodeImpl head = new NodeImpl(0, "");
        for (int i = 0; i < 600; i++) {
            NodeImpl n = new NodeImpl(i, "");
            n.next = head;
            head = n;
        }
        NodeImpl chain = head;
        raises(MARSHAL.class, () -> NodeHelper.write(writer(false, 2), chain), "writing values nested 600 deep");
        // A valid encoding with chunks three deep, sharing and truncation,
        // mutated: octets changed, cut short: whatever it reads, the reader
        // ends in a value or a system exception, never another throwable.
        NodeImpl center = new NodeImpl(9, "center");
        CircleImpl c = new CircleImpl();
        c.name = "wheel";
        c.center = center;
        CDROutputStream valid = writer(false, 2);
        out2(valid).write_value(bagOf(c, center, null, bagOf(new NodeImpl(4, "inner"), c)));
        byte[] good = valid.toByteArray();
        java.util.Random mutations = new java.util.Random(31);
        for (int i = 0; i < 3000; i++) {
            byte[] m = Arrays.copyOf(good, i % 7 == 0 ? mutations.nextInt(good.length) : good.length);
            for (int k = 1 + mutations.nextInt(3); k > 0 && m.length > 0; k--) {
                int at = mutations.nextInt(m.length);
                m[at] = mutations.nextInt(3) == 0 ? (byte) 0xFF : (byte) mutations.nextInt(256);
            }
            try {
                new CDRInputStream(m).read_value();
            } catch (SystemException e) {
                continue;
            } catch (Throwable e) {
                check(false, "mutated value octets: " + e);
                break;
            }
        }
        // Random octets after a valid tag: a system exception, never another
        // throwable.
        java.util.Random random = new java.util.Random(30);
        for (int i = 0; i < 2000; i++) {
            byte[] junk = new byte[8 + random.nextInt(64)];
            random.nextBytes(junk);
            junk[0] = 0x7F;
            junk[1] = (byte) 0xFF;
            junk[2] = (byte) 0xFF;
            junk[3] = (byte) (random.nextInt(16) | (random.nextBoolean() ? 0 : 0x08));
            try {
                NodeHelper.read(new CDRInputStream(junk));
            } catch (SystemException e) {
                continue;
            } catch (Throwable e) {
                check(false, "random value octets: " + e);
                break;
            }
        }
    }

    public static void main(String[] args) {
        register();
        orb.register_value_factory("IDL:T/AnyBox:1.0", new AnyBoxFactory());
        sharing();
        chunking();
        endTags();
        truncation();
        abstractInterfaces();
        factories();
        typeCodesAndAnys();
        handMadeChunks();
        mixedState();
        holders();
        throughIIOP();
        hostile();
        System.out.println(checks + " checks, " + failures + " failed");
        System.exit(failures == 0 ? 0 : 1);
    }
}

// valuetype Point { public long x; }; found through its default factory,
// which no one registers.
abstract class PointBase implements StreamableValue {
    public int x;

    public String[] _truncatable_ids() {
        return new String[] {"IDL:Point:1.0"};
    }

    public void __read(InputStream in) {
        x = in.read_long();
    }

    public void __write(OutputStream out) {
        out.write_long(x);
    }

    public TypeCode __type() {
        return ValueTest.orb.create_value_tc("IDL:Point:1.0", "Point", VM_NONE.value, null, new ValueMember[0]);
    }
}

class Point extends PointBase {
}

class PointDefaultFactory implements ValueFactory {
    public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new Point());
    }
}

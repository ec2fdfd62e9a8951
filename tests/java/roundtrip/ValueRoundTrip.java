import java.io.Serializable;

import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Value types through the Helpers, classes and factories that quorvex
// writes for values.idl: the state of a value (public and private members,
// an inherited part, arrays of values), sharing and a cycle kept, null,
// truncation of a derived value to its base, a custom value, values in
// structs, unions, sequences and anys, the tk_value type code, and calls
// through a stub collocated and over loopback IIOP with values in, out,
// inout and as results, and an abstract interface carrying a reference and
// carrying a value.
public class ValueRoundTrip {
    private static int failures = 0;
    private static int checks = 0;

    private static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    // The implementations a user writes: the abstract classes extended, the
    // factories of those without a default one.
    static class NodeImpl extends Val.Node {
        NodeImpl() {
        }

        NodeImpl(int id, String label) {
            this.id = id;
            this.label = label;
        }

        String label() {
            return label;
        }
    }

    static class ShapeImpl extends Val.Shape {
        public double size() {
            return 1;
        }

        public String name() {
            return "shape " + title;
        }
    }

    static class CircleImpl extends Val.Circle {
        public double size() {
            return radius * radius * 3;
        }

        public String name() {
            return "circle " + title;
        }
    }

    static class ShapeFactory implements Val.ShapeValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new ShapeImpl());
        }

        public Val.Shape make(String title) {
            ShapeImpl s = new ShapeImpl();
            s.title = title;
            return s;
        }
    }

    static class CircleFactory implements org.omg.CORBA.portable.ValueFactory {
        public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
            return in.read_value(new CircleImpl());
        }
    }

    // A custom value writes its state itself: here the count, and that many
    // bytes.
    static class BagImpl extends Val.Bag {
        byte[] data = new byte[0];

        public void marshal(DataOutputStream os) {
            os.write_long(count);
            os.write_octet_array(data, 0, data.length);
        }

        public void unmarshal(DataInputStream is) {
            count = is.read_long();
            if (count < 0 || count > 1024) throw new MARSHAL("bag count");
            data = new byte[count];
            is.read_octet_array(data, 0, count);
        }
    }

    static Val.Plain plain(String text, Val.Node... nodes) {
        Val.Plain p = new Val.Plain() { };
        p.text = text;
        p.all = nodes;
        return p;
    }

    static Val.Circle circle(String title, double radius, Val.Node center) {
        CircleImpl c = new CircleImpl();
        c.title = title;
        c.radius = radius;
        c.center = center;
        return c;
    }

    static ORB orb;

    static OutputStream out() {
        return orb.create_output_stream();
    }

    static void streams() {
        NodeImpl a = new NodeImpl(1, "a"), b = new NodeImpl(2, "b");
        a.next = b;
        b.next = a;
        Val.Plain shared = plain("shared", a, b, a, null);
        OutputStream o = out();
        Val.PlainHelper.__write(o, shared);
        Val.PairHelper.__write(o, new Val.Pair(shared, shared));
        Val.NodeHelper.__write(o, null);
        Val.CircleHelper.__write(o, (Val.Circle) circle("c", 2, b));
        Val.ShapeHelper.__write(o, circle("d", 3, null));
        o.write_long(0x5EED);
        InputStream in = o.create_input_stream();
        Val.Plain p = Val.PlainHelper.__read(in);
        check(p.text.equals("shared") && p.all.length == 4 && p.all[3] == null, "value with a sequence of values");
        check(p.all[0] == p.all[2] && p.all[0].next == p.all[1] && p.all[1].next == p.all[0], "cycle and sharing kept");
        check(p.all[0] instanceof NodeImpl && ((NodeImpl) p.all[0]).label().equals("a") && p.all[1].id == 2,
              "private and public state");
        Val.Pair pair = Val.PairHelper.__read(in);
        check(pair.left == pair.right && pair.left == p, "one value in two struct fields and in the message before");
        check(Val.NodeHelper.__read(in) == null, "null value");
        Val.Circle c = Val.CircleHelper.__read(in);
        check(c.title.equals("c") && c.radius == 2 && c.center == p.all[1] && c.size() == 12, "derived value state");
        Val.Shape s = Val.ShapeHelper.__read(in);
        check(s instanceof CircleImpl && ((Val.Circle) s).radius == 3, "derived value read as its base");
        check(in.read_long() == 0x5EED, "stream goes on after the values");
        check(new Val.NodeDefaultFactory() != null && Val.Plain.LIMIT == 5, "default factory and constant");

        // Truncation: without Circle's factory a Circle arrives as a Shape.
        o = out();
        Val.ShapeHelper.__write(o, circle("t", 1, new NodeImpl(9, "n")));
        o.write_long(7);
        orb.unregister_value_factory(Val.CircleHelper.id());
        try {
            in = o.create_input_stream();
            Val.Shape t = Val.ShapeHelper.__read(in);
            check(t instanceof ShapeImpl && !(t instanceof Val.Circle) && t.title.equals("t"), "truncated to the base");
            check(in.read_long() == 7, "stream goes on after truncation");
        } finally {
            orb.register_value_factory(Val.CircleHelper.id(), new CircleFactory());
        }
        // A value of another type where a Node is expected is MARSHAL.
        o = out();
        Val.PlainHelper.__write(o, plain("x"));
        try {
            Val.NodeHelper.__read(o.create_input_stream());
            check(false, "value of another type");
        } catch (MARSHAL expected) {
        }

        // A custom value.
        BagImpl bag = new BagImpl();
        bag.count = 3;
        bag.data = new byte[] {1, 2, 3};
        o = out();
        Val.BagHelper.__write(o, bag);
        Val.BagHelper.__write(o, bag);
        in = o.create_input_stream();
        Val.Bag got = Val.BagHelper.__read(in);
        check(got instanceof BagImpl && got.count == 3 && ((BagImpl) got).data[2] == 3, "custom value");
        check(Val.BagHelper.__read(in) == got, "custom value shared");

        // Containers: union, sequence, any.
        Val.Either e = new Val.Either();
        e.plain(shared);
        o = out();
        Val.EitherHelper.__write(o, e);
        Val.PlainsHelper.__write(o, new Val.Plain[] {shared, null, shared});
        in = o.create_input_stream();
        check(Val.EitherHelper.__read(in).plain().all.length == 4, "value in a union");
        Val.Plain[] ps = Val.PlainsHelper.__read(in);
        check(ps.length == 3 && ps[0] == ps[2] && ps[1] == null, "values in a sequence");
        Any any = orb.create_any();
        Val.PlainHelper.insert(any, shared);
        check(any.type().kind() == TCKind.tk_value, "any of a value has tk_value");
        Val.Plain fromAny = Val.PlainHelper.extract(any);
        check(fromAny.text.equals("shared") && fromAny.all[0] == fromAny.all[2] && fromAny.all[0].next.next == fromAny.all[0],
              "value through an any");
        Val.CircleHelper.insert(any, circle("a", 4, null));
        check(Val.CircleHelper.extract(any).radius == 4, "derived value through an any");
        Val.NodeHelper.insert(any, null);
        check(Val.NodeHelper.extract(any) == null, "null value through an any");
    }

    static void typeCodes() {
        try {
            TypeCode node = Val.NodeHelper.type();
            check(node.kind() == TCKind.tk_value && node.id().equals("IDL:Val/Node:1.0") && node.member_count() == 3,
                  "value type code");
            check(node.member_visibility(0) == PUBLIC_MEMBER.value && node.member_visibility(2) == PRIVATE_MEMBER.value,
                  "member visibility");
            check(node.member_type(1).kind() == TCKind.tk_value, "self-containing member");
            TypeCode circle = Val.CircleHelper.type();
            check(circle.type_modifier() == VM_TRUNCATABLE.value && circle.concrete_base_type().id().equals(Val.ShapeHelper.id()),
                  "truncatable modifier and concrete base");
            check(Val.BagHelper.type().type_modifier() == VM_CUSTOM.value, "custom modifier");
            check(Val.MeasuredHelper.type().type_modifier() == VM_ABSTRACT.value, "abstract modifier");
            check(Val.NamedHelper.type().kind() == TCKind.tk_abstract_interface, "abstract interface type code");
        } catch (org.omg.CORBA.TypeCodePackage.BadKind | org.omg.CORBA.TypeCodePackage.Bounds e) {
            check(false, "type codes: " + e);
        }
    }

    static class CounterServant extends Val._CounterImplBase {
        int n = 0;

        public int next() {
            return ++n;
        }

        public String name() {
            return "counter";
        }
    }

    static class TripServant extends Val._TripImplBase {
        Val.Node head;

        public Val.Plain swap(Val.Plain a, Val.PlainHolder b, Val.PlainHolder c) {
            b.value = c.value;
            c.value = a;
            return a == null ? null : plain(a.text + "!", a.all);
        }

        public Val.Shape shape(Val.Shape s) {
            return s;
        }

        public Val.Pair pair(Val.Pair p) {
            return p;
        }

        public Val.Plain[] plains(Val.Plain[] p) {
            return p;
        }

        public Val.Named named(Val.Named n, Val.NamedHolder o) {
            o.value = n;
            return n;
        }

        public Any wrap(Any a) {
            return a;
        }

        public Serializable some(Serializable v, ValueBaseHolder o) {
            o.value = v;
            return v;
        }

        public Val.Node head() {
            return head;
        }

        public void head(Val.Node v) {
            head = v;
        }
    }

    static ORB server;

    static org.omg.CORBA.portable.Delegate ref(ORB client, org.omg.CORBA.portable.ObjectImpl servant) {
        server.connect(servant);
        String ior = server.object_to_string(servant);
        return ((org.omg.CORBA.portable.ObjectImpl) client.string_to_object(ior))._get_delegate();
    }

    static void calls(ORB client, String how) {
        Val.Trip t = new Val._TripStub(ref(client, new TripServant()));
        NodeImpl a = new NodeImpl(1, "a");
        a.next = a;
        Val.Plain in = plain("in", a, a);
        Val.PlainHolder b = new Val.PlainHolder();
        Val.PlainHolder c = new Val.PlainHolder(plain("c"));
        Val.Plain r = t.swap(in, b, c);
        check(r.text.equals("in!") && r.all[0] == r.all[1] && r.all[0].next == r.all[0], "value result" + how);
        check(b.value.text.equals("c") && c.value.text.equals("in"), "values out and inout" + how);
        check(t.swap(null, b, new Val.PlainHolder(null)) == null && b.value == null, "null values" + how);
        Val.Shape s = t.shape(circle("round", 2, a));
        check(s instanceof CircleImpl && s.name().equals("circle round") && ((Val.Circle) s).center.next != null,
              "derived value as a parameter of the base" + how);
        Val.Plain shared = plain("s");
        Val.Pair p = t.pair(new Val.Pair(shared, shared));
        check(p.left == p.right && p.left.text.equals("s"), "shared value in a struct" + how);
        check(t.plains(new Val.Plain[] {shared, shared})[1].text.equals("s"), "sequence of values" + how);
        t.head(a);
        check(t.head().id == 1 && t.head().next != null, "value attribute" + how);

        // An abstract interface: a reference, then a value.
        CounterServant counter = new CounterServant();
        server.connect(counter);
        Val.Counter ref = Val.CounterHelper.narrow(client.string_to_object(server.object_to_string(counter)));
        Val.NamedHolder o = new Val.NamedHolder();
        Val.Named n = t.named(ref, o);
        check(n instanceof org.omg.CORBA.Object && n.name().equals("counter") && o.value.name().equals("counter"),
              "abstract interface carrying a reference" + how);
        Val.Named v = t.named(circle("v", 1, null), o);
        check(v instanceof CircleImpl && v.name().equals("circle v") && o.value instanceof Val.Shape,
              "abstract interface carrying a value" + how);
        check(t.named(null, o) == null && o.value == null, "null abstract interface" + how);

        ValueBaseHolder vo = new ValueBaseHolder();
        Serializable some = t.some(shared, vo);
        check(some instanceof Val.Plain && ((Val.Plain) some).text.equals("s") && vo.value instanceof Val.Plain,
              "ValueBase in, out and result" + how);
        check(t.some(null, vo) == null && vo.value == null, "null ValueBase" + how);

        Any any = client.create_any();
        Val.PlainHelper.insert(any, plain("wrapped", a));
        Val.Plain back = Val.PlainHelper.extract(t.wrap(any));
        check(back.text.equals("wrapped") && back.all[0].next == back.all[0], "value in an any" + how);
    }

    public static void main(String[] args) {
        orb = ORB.init();
        orb.register_value_factory(Val.ShapeHelper.id(), new ShapeFactory());
        orb.register_value_factory(Val.CircleHelper.id(), new CircleFactory());
        orb.register_value_factory(Val.NodeHelper.id(), new org.omg.CORBA.portable.ValueFactory() {
            public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
                return in.read_value(new NodeImpl());
            }
        });
        orb.register_value_factory(Val.BagHelper.id(), new org.omg.CORBA.portable.ValueFactory() {
            public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
                return in.read_value(new BagImpl());
            }
        });
        streams();
        typeCodes();
        java.util.Properties props = new java.util.Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        props.setProperty("vemo.harl.port", "0");
        server = ORB.init(new String[0], props);
        calls(server, " (collocated)");
        ORB client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBReplyTimeout", "30000"}, null);
        calls(client, " (IIOP)");
        client.destroy();
        server.destroy();
        if (failures > 0) {
            System.out.println(failures + " of " + checks + " checks failed");
            System.exit(1);
        }
        System.out.println("value types: " + checks + " checks passed");
    }
}

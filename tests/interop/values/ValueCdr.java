package VC;

import java.io.Serializable;
import java.nio.file.Files;
import java.nio.file.Paths;

import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.StreamableValue;
import org.omg.CORBA.portable.ValueFactory;

import vemo.harl.cdr.CDRInputStream;
import vemo.harl.cdr.CDROutputStream;

// The runtime's side of the value CDR test against omniORB: valuecdr.idl's
// types written by hand the way generated code is shaped, reading the
// octets omniORB wrote (a Pack bare and in an any: a cycle, a truncatable
// Circle sharing a node, a null) and writing its own for omniORB to read.
//
//     java VC.ValueCdr read BARE ANY      omniORB's little-endian octets
//     java VC.ValueCdr write BARE ANY     big-endian octets for omniORB
public class ValueCdr {
    static final ORB orb = ORB.init();
    static int failures = 0;

    static void check(boolean ok, String what) {
        if (!ok) {
            failures++;
            System.out.println("FAILED: " + what);
        }
    }

    static org.omg.CORBA_2_3.portable.InputStream in2(InputStream in) {
        return (org.omg.CORBA_2_3.portable.InputStream) in;
    }

    static org.omg.CORBA_2_3.portable.OutputStream out2(OutputStream out) {
        return (org.omg.CORBA_2_3.portable.OutputStream) out;
    }

    static Pack readPack(InputStream in) {
        Pack p = new Pack();
        p.a = NodeHelper.read(in);
        p.b = NodeHelper.read(in);
        p.s = ShapeHelper.read(in);
        p.ring = ShapeHelper.read(in);
        p.edge = ShapeHelper.read(in);
        p.none = NodeHelper.read(in);
        p.item = in2(in).read_abstract_interface();
        p.words = (String) in2(in).read_value(TextHelper.instance);
        p.nowords = (String) in2(in).read_value(TextHelper.instance);
        p.tail = in.read_long();
        return p;
    }

    static void writePack(OutputStream out, Pack p) {
        NodeHelper.write(out, p.a);
        NodeHelper.write(out, p.b);
        ShapeHelper.write(out, p.s);
        ShapeHelper.write(out, p.ring);
        ShapeHelper.write(out, p.edge);
        NodeHelper.write(out, p.none);
        out2(out).write_abstract_interface(p.item);
        out2(out).write_value(p.words, TextHelper.instance);
        out2(out).write_value(p.nowords, TextHelper.instance);
        out.write_long(p.tail);
    }

    static TypeCode packType() {
        return orb.create_struct_tc("IDL:VC/Pack:1.0", "Pack", new StructMember[] {
            new StructMember("a", NodeHelper.type(), null), new StructMember("b", NodeHelper.type(), null),
            new StructMember("s", ShapeHelper.type(), null), new StructMember("ring", ShapeHelper.type(), null),
            new StructMember("edge", ShapeHelper.type(), null),
            new StructMember("none", NodeHelper.type(), null),
            new StructMember("item", orb.create_abstract_interface_tc("IDL:VC/Thing:1.0", "Thing"), null),
            new StructMember("words", TextHelper.type(), null), new StructMember("nowords", TextHelper.type(), null),
            new StructMember("tail", orb.get_primitive_tc(TCKind.tk_long), null)});
    }

    static Pack makePack() {
        NodeImpl a = new NodeImpl(), b = new NodeImpl();
        a.id = 1;
        a.label = "a";
        b.id = 2;
        b.label = "b";
        a.next = b;
        b.next = a;
        CircleImpl c = new CircleImpl();
        c.name = "disc";
        c.radius = 2.5;
        c.center = a;
        Pack p = new Pack();
        p.a = a;
        p.b = b;
        p.s = c;
        CircleImpl ring = new CircleImpl();
        ring.name = "ring";
        ring.center = new NodeImpl();
        ring.center.id = 7;
        ring.center.label = "own";
        p.ring = ring;
        EdgeImpl edge = new EdgeImpl();
        edge.name = "edge";
        edge.from = new NodeImpl();
        edge.from.id = 8;
        edge.from.label = "from";
        edge.weight = 42;
        p.edge = edge;
        TagImpl tag = new TagImpl();
        tag.text = "tagged";
        p.item = tag;
        p.words = "hello";
        p.tail = 0x5EED;
        return p;
    }

    static void checkPack(Pack p, boolean circleKnown, String how) {
        check(p.a != null && p.b != null && p.a.id == 1 && p.a.label.equals("a") && p.b.id == 2, how + ": state");
        check(p.a != null && p.b != null && p.a.next == p.b && p.b.next == p.a,
              how + ": the cycle and the shared node are one graph");
        check(p.s != null && p.s.name.equals("disc"), how + ": the shape");
        if (circleKnown)
            check(p.s instanceof Circle && ((Circle) p.s).radius == 2.5 && ((Circle) p.s).center == p.a,
                  how + ": the circle, its center shared with a");
        else
            check(p.s instanceof ShapeImpl, how + ": the circle truncated to its base");
        check(p.ring != null && p.ring.name.equals("ring"), how + ": the second shape");
        if (circleKnown)
            check(p.ring instanceof Circle && ((Circle) p.ring).center.id == 7 && ((Circle) p.ring).center.label.equals("own"),
                  how + ": a circle with a node of its own inside");
        else
            check(p.ring instanceof ShapeImpl, how + ": the second circle truncated to its base");
        check(p.edge != null && p.edge.name.equals("edge"), how + ": the third shape");
        if (circleKnown)
            check(p.edge instanceof Edge && ((Edge) p.edge).from.id == 8 && ((Edge) p.edge).weight == 42,
                  how + ": state after a nested value");
        else
            check(p.edge instanceof ShapeImpl, how + ": the edge truncated to its base");
        check(p.item instanceof Tag && ((Tag) p.item).text.equals("tagged"), how + ": a value in an abstract interface");
        check("hello".equals(p.words) && p.nowords == null, how + ": boxed strings");
        check(p.none == null && p.tail == 0x5EED, how + ": null and what follows");
    }

    public static void main(String[] args) throws Exception {
        orb.register_value_factory("IDL:VC/Node:1.0", new NodeFactory());
        orb.register_value_factory("IDL:VC/Shape:1.0", new ShapeFactory());
        orb.register_value_factory("IDL:VC/Circle:1.0", new CircleFactory());
        orb.register_value_factory("IDL:VC/Tag:1.0", new TagFactory());
        orb.register_value_factory("IDL:VC/Edge:1.0", new EdgeFactory());
        if (args[0].equals("read")) {
            byte[] bare = Files.readAllBytes(Paths.get(args[1]));
            byte[] any = Files.readAllBytes(Paths.get(args[2]));
            for (boolean known : new boolean[] {true, false}) {
                if (!known) {
                    orb.unregister_value_factory("IDL:VC/Circle:1.0");
                    orb.unregister_value_factory("IDL:VC/Edge:1.0");
                }
                String how = known ? "" : " (Circle unknown)";
                checkPack(readPack(new CDRInputStream(orb, bare, 0, bare.length, true, 2)), known,
                          "omniORB's bare Pack" + how);
                CDRInputStream in = new CDRInputStream(orb, any, 0, any.length, true, 2);
                Any a = in.read_any();
                check(a.type().equivalent(packType()), "omniORB's any holds a Pack" + how);
                checkPack(readPack(a.create_input_stream()), known, "omniORB's Pack in an any" + how);
                // The any sent on again, in the other byte order, keeps its
                // graph.
                CDROutputStream out = new CDROutputStream(orb, 2, false);
                out.write_any(a);
                Any again = ((CDRInputStream) out.create_input_stream()).read_any();
                checkPack(readPack(again.create_input_stream()), known, "omniORB's any sent on" + how);
            }
        } else {
            Pack p = makePack();
            CDROutputStream bare = new CDROutputStream(orb, 2, false);
            writePack(bare, p);
            Files.write(Paths.get(args[1]), bare.toByteArray());
            Any a = orb.create_any();
            OutputStream o = a.create_output_stream();
            a.type(packType());
            writePack(o, p);
            a.read_value(o.create_input_stream(), packType());
            CDROutputStream withAny = new CDROutputStream(orb, 2, false);
            withAny.write_any(a);
            Files.write(Paths.get(args[2]), withAny.toByteArray());
        }
        System.out.println(failures == 0 ? "ok" : "FAILED");
        System.exit(failures == 0 ? 0 : 1);
    }
}

final class Pack {
    Node a, b, none;
    Shape s, ring, edge;
    java.lang.Object item;
    String words, nowords;
    int tail;
}

// abstract interface Thing { }; valuetype Tag supports Thing { public string text; };
interface Thing {
}

abstract class Tag implements StreamableValue, Thing {
    public String text = "";

    public String[] _truncatable_ids() {
        return new String[] {TagHelper.id()};
    }

    public void __read(InputStream in) {
        text = in.read_string();
    }

    public void __write(OutputStream out) {
        out.write_string(text);
    }

    public TypeCode __type() {
        return TagHelper.type();
    }
}

class TagImpl extends Tag {
}

class TagFactory implements ValueFactory {
    public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new TagImpl());
    }
}

final class TagHelper {
    public static TypeCode type() {
        ORB orb = ORB.init();
        return orb.create_value_tc(id(), "Tag", VM_NONE.value, null, new ValueMember[] {
            new ValueMember("text", "", "", "", orb.create_string_tc(0), null, PUBLIC_MEMBER.value)});
    }

    public static String id() {
        return "IDL:VC/Tag:1.0";
    }
}

// valuetype Text string;
final class TextHelper implements org.omg.CORBA.portable.BoxedValueHelper {
    static final TextHelper instance = new TextHelper();

    public static TypeCode type() {
        return ORB.init().create_value_box_tc(instance.get_id(), "Text", ORB.init().create_string_tc(0));
    }

    public Serializable read_value(InputStream in) {
        return in.read_string();
    }

    public void write_value(OutputStream out, Serializable value) {
        out.write_string((String) value);
    }

    public String get_id() {
        return "IDL:VC/Text:1.0";
    }
}

abstract class Node implements StreamableValue {
    public int id;
    public Node next;
    public String label = "";

    public String[] _truncatable_ids() {
        return new String[] {NodeHelper.id()};
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

class NodeImpl extends Node {
}

class NodeFactory implements ValueFactory {
    public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new NodeImpl());
    }
}

final class NodeHelper {
    private static TypeCode tc;

    public static synchronized TypeCode type() {
        ORB orb = ORB.init();
        if (tc == null)
            tc = orb.create_value_tc(id(), "Node", VM_NONE.value, null, new ValueMember[] {
                new ValueMember("id", "", "", "", orb.get_primitive_tc(TCKind.tk_long), null, PUBLIC_MEMBER.value),
                new ValueMember("next", "", "", "", orb.create_recursive_tc(id()), null, PUBLIC_MEMBER.value),
                new ValueMember("label", "", "", "", orb.create_string_tc(0), null, PUBLIC_MEMBER.value)});
        return tc;
    }

    public static String id() {
        return "IDL:VC/Node:1.0";
    }

    public static Node read(InputStream in) {
        Serializable v = ((org.omg.CORBA_2_3.portable.InputStream) in).read_value(id());
        if (v == null || v instanceof Node) return (Node) v;
        throw new MARSHAL("a " + v.getClass().getName() + " where a Node is expected");
    }

    public static void write(OutputStream out, Node v) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_value(v, id());
    }
}

abstract class Shape implements StreamableValue {
    public String name = "";

    public String[] _truncatable_ids() {
        return new String[] {ShapeHelper.id()};
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

class ShapeImpl extends Shape {
}

class ShapeFactory implements ValueFactory {
    public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new ShapeImpl());
    }
}

final class ShapeHelper {
    public static TypeCode type() {
        ORB orb = ORB.init();
        return orb.create_value_tc(id(), "Shape", VM_NONE.value, null, new ValueMember[] {
            new ValueMember("name", "", "", "", orb.create_string_tc(0), null, PUBLIC_MEMBER.value)});
    }

    public static String id() {
        return "IDL:VC/Shape:1.0";
    }

    public static Shape read(InputStream in) {
        Serializable v = ((org.omg.CORBA_2_3.portable.InputStream) in).read_value(id());
        if (v == null || v instanceof Shape) return (Shape) v;
        throw new MARSHAL("a " + v.getClass().getName() + " where a Shape is expected");
    }

    public static void write(OutputStream out, Shape v) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_value(v, id());
    }
}

abstract class Circle extends Shape {
    public double radius;
    public Node center;

    public String[] _truncatable_ids() {
        return new String[] {CircleHelper.id(), ShapeHelper.id()};
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

    public TypeCode __type() {
        return CircleHelper.type();
    }
}

class CircleImpl extends Circle {
}

// valuetype Edge : truncatable Shape { public Node from; public long weight; };
abstract class Edge extends Shape {
    public Node from;
    public int weight;

    public String[] _truncatable_ids() {
        return new String[] {"IDL:VC/Edge:1.0", ShapeHelper.id()};
    }

    public void __read(InputStream in) {
        super.__read(in);
        from = NodeHelper.read(in);
        weight = in.read_long();
    }

    public void __write(OutputStream out) {
        super.__write(out);
        NodeHelper.write(out, from);
        out.write_long(weight);
    }

    public TypeCode __type() {
        ORB orb = ORB.init();
        return orb.create_value_tc("IDL:VC/Edge:1.0", "Edge", VM_TRUNCATABLE.value, ShapeHelper.type(), new ValueMember[] {
            new ValueMember("from", "", "", "", NodeHelper.type(), null, PUBLIC_MEMBER.value),
            new ValueMember("weight", "", "", "", orb.get_primitive_tc(TCKind.tk_long), null, PUBLIC_MEMBER.value)});
    }
}

class EdgeImpl extends Edge {
}

class EdgeFactory implements ValueFactory {
    public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new EdgeImpl());
    }
}

class CircleFactory implements ValueFactory {
    public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new CircleImpl());
    }
}

final class CircleHelper {
    public static TypeCode type() {
        ORB orb = ORB.init();
        return orb.create_value_tc(id(), "Circle", VM_TRUNCATABLE.value, ShapeHelper.type(), new ValueMember[] {
            new ValueMember("radius", "", "", "", orb.get_primitive_tc(TCKind.tk_double), null, PUBLIC_MEMBER.value),
            new ValueMember("center", "", "", "", NodeHelper.type(), null, PUBLIC_MEMBER.value)});
    }

    public static String id() {
        return "IDL:VC/Circle:1.0";
    }
}

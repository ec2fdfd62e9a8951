import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Boxed value types through their Helpers and the runtime's streams: a box
// of a reference type (the value itself) and of a primitive (a box class),
// null as the null tag, the octets of a value (tag, repository identifier,
// boxed value), an indirection back to a value read before, boxes inside
// structs, unions, sequences and anys, and calls through a stub, collocated
// and over loopback IIOP.
public class BoxRoundTrip {
    private static int failures = 0;
    private static int checks = 0;

    private static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    static OutputStream out() {
        return ORB.init().create_output_stream();
    }

    static void streams() {
        OutputStream o = out();
        Box.StringValueHelper.__write(o, "hello");
        Box.StringValueHelper.__write(o, null);
        Box.LongBoxHelper.__write(o, new Box.LongBox(-42));
        Box.LongBoxHelper.__write(o, null);
        Box.BoolBoxHelper.__write(o, new Box.BoolBox(true));
        Box.WideBoxHelper.__write(o, "\u00e9t\u00e9");
        Box.LongsBoxHelper.__write(o, new int[] {1, 2, 3});
        Box.PointBoxHelper.__write(o, new Box.Point(3, 4));
        Box.PointBoxHelper.__write(o, null);
        InputStream in = o.create_input_stream();
        check("hello".equals(Box.StringValueHelper.__read(in)), "string box");
        check(Box.StringValueHelper.__read(in) == null, "null string box");
        check(Box.LongBoxHelper.__read(in).value == -42, "long box");
        check(Box.LongBoxHelper.__read(in) == null, "null long box");
        check(Box.BoolBoxHelper.__read(in).value, "boolean box");
        check("\u00e9t\u00e9".equals(Box.WideBoxHelper.__read(in)), "wide string box");
        check(java.util.Arrays.equals(Box.LongsBoxHelper.__read(in), new int[] {1, 2, 3}), "sequence box");
        Box.Point p = Box.PointBoxHelper.__read(in);
        check(p != null && p.x == 3 && p.y == 4, "struct box");
        check(Box.PointBoxHelper.__read(in) == null, "null struct box");

        // The octets: the value tag with one repository identifier, the
        // identifier, the boxed long; the null tag alone.
        o = out();
        Box.LongBoxHelper.__write(o, new Box.LongBox(7));
        Box.LongBoxHelper.__write(o, null);
        in = o.create_input_stream();
        check(in.read_long() == 0x7fffff02, "value tag");
        check("IDL:Box/LongBox:1.0".equals(in.read_string()), "repository identifier after the tag");
        check(in.read_long() == 7, "boxed value after the identifier");
        check(in.read_long() == 0, "null tag");

        // An indirection to the value read before gives that value again.
        o = out();
        Box.StringValueHelper.__write(o, "again");
        int at = (((vemo.harl.cdr.CDROutputStream) o).position() + 3) & ~3;
        o.write_long(0xffffffff);
        o.write_long(-(at + 4));
        in = o.create_input_stream();
        String first = Box.StringValueHelper.__read(in);
        check(Box.StringValueHelper.__read(in) == first, "indirection to an earlier value");
        // One to nothing read before, or a foreign identifier, is MARSHAL.
        o = out();
        o.write_long(0xffffffff);
        o.write_long(-4);
        try {
            Box.StringValueHelper.__read(o.create_input_stream());
            check(false, "indirection to nothing");
        } catch (MARSHAL expected) {
        }
        o = out();
        o.write_long(0x7fffff02);
        o.write_string("IDL:Other/Box:1.0");
        o.write_string("x");
        try {
            Box.StringValueHelper.__read(o.create_input_stream());
            check(false, "foreign repository identifier");
        } catch (MARSHAL expected) {
        }
        o = out();
        o.write_long(0x7fffff0a);
        try {
            Box.StringValueHelper.__read(o.create_input_stream());
            check(false, "chunked value where a box is expected");
        } catch (MARSHAL expected) {
        }
    }

    static void containers() {
        OutputStream o = out();
        Box.Record r = new Box.Record("n", new Box.LongBox(5), null);
        Box.RecordHelper.__write(o, r);
        Box.NamesHelper.__write(o, new String[] {"a", null, "c"});
        Box.Choice c = new Box.Choice();
        c.l(new Box.LongBox(9));
        Box.ChoiceHelper.__write(o, c);
        InputStream in = o.create_input_stream();
        Box.Record back = Box.RecordHelper.__read(in);
        check("n".equals(back.name) && back.count.value == 5 && back.where == null, "boxes in a struct");
        String[] names = Box.NamesHelper.__read(in);
        check(names.length == 3 && "a".equals(names[0]) && names[1] == null && "c".equals(names[2]),
              "boxes in a sequence, one null");
        check(Box.ChoiceHelper.__read(in).l().value == 9, "box in a union");

        Any a = ORB.init().create_any();
        Box.LongBoxHelper.insert(a, new Box.LongBox(11));
        check(a.type().kind() == TCKind.tk_value_box, "any of a box has the box's type code");
        check(Box.LongBoxHelper.extract(a).value == 11, "box through an any");
        Box.StringValueHelper.insert(a, null);
        check(Box.StringValueHelper.extract(a) == null, "null box through an any");
        Any inner = ORB.init().create_any();
        inner.insert_long(3);
        o = out();
        Box.AnyBoxHelper.__write(o, inner);
        check(Box.AnyBoxHelper.__read(o.create_input_stream()).extract_long() == 3, "any box");
        try {
            check(Box.LongBoxHelper.type().content_type().kind() == TCKind.tk_long, "boxed type code");
            check(Box.LongBoxHelper.type().id().equals("IDL:Box/LongBox:1.0"), "box type code id");
        } catch (org.omg.CORBA.TypeCodePackage.BadKind e) {
            check(false, "box type code");
        }
    }

    static class BoxesServant extends Box._BoxesImplBase {
        Box.LongBox counter;

        public String echo(String s, Box.LongBoxHolder l, Box.PointBoxHolder p) throws Box.Refused {
            if ("no".equals(s)) throw new Box.Refused(null);
            l.value = s == null ? null : new Box.LongBox(s.length());
            p.value = p.value == null ? new Box.Point(0, 0) : null;
            return s == null ? null : s + "!";
        }

        public Box.LongBox counter() { return counter; }
        public void counter(Box.LongBox v) { counter = v; }
        public String[] names(String[] n) { return n; }
        public Box.Record _record(Box.Record r) { return r; }
    }

    static class PeerServant extends Box._PeerImplBase {
        public int id() { return 77; }
    }

    static ORB server;
    static ORB client;

    static org.omg.CORBA.portable.Delegate ref(org.omg.CORBA.portable.ObjectImpl servant) {
        server.connect(servant);
        String ior = server.object_to_string(servant);
        return ((org.omg.CORBA.portable.ObjectImpl) client.string_to_object(ior))._get_delegate();
    }

    static void calls() {
        Box.Boxes b = new Box._BoxesStub(ref(new BoxesServant()));
        Box.LongBoxHolder l = new Box.LongBoxHolder();
        Box.PointBoxHolder p = new Box.PointBoxHolder(null);
        try {
            check("abc!".equals(b.echo("abc", l, p)), "box result");
            check(l.value.value == 3, "box out");
            check(p.value != null && p.value.x == 0, "box inout from null");
            check(b.echo(null, l, p) == null && l.value == null && p.value == null, "null boxes in, out and back");
            b.echo("no", l, p);
            check(false, "exception with a null box");
        } catch (Box.Refused e) {
            check(e.why == null, "exception with a null box");
        }
        b.counter(new Box.LongBox(4));
        check(b.counter().value == 4, "box attribute");
        b.counter(null);
        check(b.counter() == null, "null box attribute");
        check(b.names(new String[] {null, "x"})[1].equals("x"), "sequence of boxes");
        check(b._record(new Box.Record(null, null, new Box.Point(1, 2))).where.y == 2, "struct of boxes");

        PeerServant peer = new PeerServant();
        server.connect(peer);
        OutputStream o = out();
        Box.PeerBoxHelper.__write(o, peer);
        Box.PeerBoxHelper.__write(o, null);
        InputStream in = o.create_input_stream();
        Box.Peer back = Box.PeerBoxHelper.__read(in);
        check(back != null && back.id() == 77, "box of an interface");
        check(Box.PeerBoxHelper.__read(in) == null, "null box of an interface");
    }

    public static void main(String[] args) {
        streams();
        containers();
        java.util.Properties props = new java.util.Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        props.setProperty("vemo.harl.port", "0");
        server = ORB.init(new String[0], props);
        client = server;
        calls();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBReplyTimeout", "30000"}, null);
        calls();
        client.destroy();
        server.destroy();
        if (failures > 0) {
            System.out.println(failures + " of " + checks + " checks failed");
            System.exit(1);
        }
        System.out.println("boxed values: " + checks + " checks passed");
    }
}

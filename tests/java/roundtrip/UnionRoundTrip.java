import org.omg.CORBA.BAD_OPERATION;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Writes unions through their generated helpers and reads them back.
public class UnionRoundTrip {
    private static int failures = 0;

    private static void check(boolean ok, String what) {
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    private interface Action {
        void run();
    }

    private static void throwsFault(Action a, String what) {
        try {
            a.run();
            check(false, what + " throws BAD_OPERATION");
        } catch (BAD_OPERATION expected) {
        }
    }

    private static UR.Num num(UR.Num u) {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.NumHelper.__write(out, u);
        InputStream in = out.create_input_stream();
        UR.Num r = UR.NumHelper.__read(in);
        check(in.available() == 0, "union read consumes what was written");
        return r;
    }

    private static void longUnion() {
        UR.Num u = new UR.Num();
        throwsFault(() -> u.discriminator(), "discriminator of an empty union");
        throwsFault(() -> u.a(), "branch of an empty union");
        u.a(5);
        UR.Num r = num(u);
        check(r.discriminator() == 1 && r.a() == 5, "long union, single label");
        throwsFault(() -> r.s(), "getter of another branch");
        u.s("two");
        check(num(u).discriminator() == 2 && num(u).s().equals("two"), "plain setter takes the first label");
        u.s(3, "three");
        check(num(u).discriminator() == 3 && num(u).s().equals("three"), "second label read back as written");
        throwsFault(() -> u.s(1, "x"), "setter with a discriminator of another case");
        throwsFault(() -> u.s(99, "x"), "setter with a discriminator of the default case");
        u.c('q');
        check(num(u).discriminator() == -1 && num(u).c() == 'q', "negative label");
        u.d(2.5);
        check(u.discriminator() == 0, "default setter uses the free value");
        check(num(u).discriminator() == 0 && num(u).d() == 2.5, "default branch");
        u.d(42, 1.5);
        check(num(u).discriminator() == 42 && num(u).d() == 1.5, "default branch under an unnamed discriminator");
        throwsFault(() -> u.d(2, 1.0), "default setter with a label of another case");
        throwsFault(() -> u.a(), "getter of a single-label case under the default");

        UR.NumHolder h = new UR.NumHolder(u);
        OutputStream hout = org.omg.CORBA.ORB.init().create_output_stream();
        h.__write(hout);
        UR.NumHolder back = new UR.NumHolder();
        check(back.value == null, "union holder starts empty");
        back.__read(hout.create_input_stream());
        check(back.value.discriminator() == 42 && back.__type() == UR.NumHelper.type(), "union holder");
    }

    private static void enumUnion() {
        UR.Paint p = new UR.Paint();
        p.r(7);
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.PaintHelper.__write(out, p);
        p.g(UR.Color.GREEN);
        UR.PaintHelper.__write(out, p);
        p.g(UR.Color.BLUE, UR.Color.WHITE);
        UR.PaintHelper.__write(out, p);
        InputStream in = out.create_input_stream();
        UR.Paint r = UR.PaintHelper.__read(in);
        check(r.discriminator() == UR.Color.RED && r.r() == 7, "enum union, first case");
        r = UR.PaintHelper.__read(in);
        check(r.discriminator() == UR.Color.GREEN && r.g() == UR.Color.GREEN, "enum union, first label");
        r = UR.PaintHelper.__read(in);
        check(r.discriminator() == UR.Color.BLUE && r.g() == UR.Color.WHITE, "enum union, second label");
        throwsFault(() -> p.g(UR.Color.RED, UR.Color.RED), "enum setter with a label of another case");

        p._default();
        check(p.discriminator() == UR.Color.WHITE, "_default() selects the free enumerator");
        throwsFault(() -> UR.PaintHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), p), "writing an unmatched discriminator");
        OutputStream bad = org.omg.CORBA.ORB.init().create_output_stream();
        UR.ColorHelper.__write(bad, UR.Color.WHITE);
        throwsFault(() -> UR.PaintHelper.__read(bad.create_input_stream()), "reading an unmatched discriminator");
    }

    private static UR.Letter letter(UR.Letter u) {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.LetterHelper.__write(out, u);
        return UR.LetterHelper.__read(out.create_input_stream());
    }

    private static void charUnion() {
        UR.Letter u = new UR.Letter();
        u.x((short) 4);
        check(letter(u).discriminator() == 'a' && letter(u).x() == 4, "char union, first label");
        u.x('b', (short) 5);
        check(letter(u).discriminator() == 'b' && letter(u).x() == 5, "char union, second label");
        u.y(true);
        check(letter(u).discriminator() == 'c' && letter(u).y(), "char union, second case");
        u._default();
        check(u.discriminator() == 'd', "char _default()");
        throwsFault(() -> letter(u), "writing a char union under no label");
        OutputStream bad = org.omg.CORBA.ORB.init().create_output_stream();
        bad.write_char('z');
        throwsFault(() -> UR.LetterHelper.__read(bad.create_input_stream()), "reading a char under no label");
    }

    private static void booleanUnions() {
        UR.Flag f = new UR.Flag();
        f.yes("y");
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.FlagHelper.__write(out, f);
        f.other(9);
        check(f.discriminator() == false, "boolean default takes the free value");
        UR.FlagHelper.__write(out, f);
        InputStream in = out.create_input_stream();
        UR.Flag r = UR.FlagHelper.__read(in);
        check(r.discriminator() && r.yes().equals("y"), "boolean union, TRUE");
        r = UR.FlagHelper.__read(in);
        check(!r.discriminator() && r.other() == 9, "boolean union, default");
        throwsFault(() -> f.other(true, 1), "boolean default setter with the TRUE label");

        UR.Both b = new UR.Both();
        b.t(1);
        OutputStream bout = org.omg.CORBA.ORB.init().create_output_stream();
        UR.BothHelper.__write(bout, b);
        b.f("no");
        UR.BothHelper.__write(bout, b);
        InputStream bin = bout.create_input_stream();
        UR.Both rb = UR.BothHelper.__read(bin);
        check(rb.discriminator() && rb.t() == 1, "boolean union, both values: TRUE");
        rb = UR.BothHelper.__read(bin);
        check(!rb.discriminator() && rb.f().equals("no"), "boolean union, both values: FALSE");
    }

    private static UR.Mode mode(UR.Mode u) {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.ModeHelper.__write(out, u);
        return UR.ModeHelper.__read(out.create_input_stream());
    }

    private static void inPlaceEnum() {
        UR.Mode m = new UR.Mode();
        m.level(3);
        check(mode(m).discriminator() == UR.Kind.ON && mode(m).level() == 3, "enum declared in the switch");
        m.where(new UR.Point(1, 2));
        check(mode(m).discriminator() == UR.Kind.OFF && mode(m).where().y == 2, "struct default branch");
        m.where(UR.Kind.AUTO, new UR.Point(3, 4));
        check(mode(m).discriminator() == UR.Kind.AUTO && mode(m).where().x == 3, "default branch, other enumerator");
        check(UR.ModeHelper.type().discriminator_type() == UR.KindHelper.type(), "discriminator type code");
    }

    private static void edgeUnions() {
        UR.Only o = new UR.Only();
        o.text("t");
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.OnlyHelper.__write(out, o);
        o.text((short) 9, "u");
        UR.OnlyHelper.__write(out, o);
        InputStream in = out.create_input_stream();
        UR.Only r = UR.OnlyHelper.__read(in);
        check(r.discriminator() == 0 && r.text().equals("t"), "only a default case: first value");
        r = UR.OnlyHelper.__read(in);
        check(r.discriminator() == 9 && r.text().equals("u"), "only a default case: any value");

        UR.Full full = new UR.Full();
        throwsFault(() -> full.never("x"), "default branch without a free discriminator");
        full.b(UR.Color.WHITE, 6);
        OutputStream fout = org.omg.CORBA.ORB.init().create_output_stream();
        UR.FullHelper.__write(fout, full);
        UR.Full rf = UR.FullHelper.__read(fout.create_input_stream());
        check(rf.discriminator() == UR.Color.WHITE && rf.b() == 6, "every enumerator labelled");

        UR.Names n = new UR.Names();
        OutputStream nout = org.omg.CORBA.ORB.init().create_output_stream();
        n.that(1);
        UR.NamesHelper.__write(nout, n);
        n.dis(2);
        UR.NamesHelper.__write(nout, n);
        n._class(4);
        UR.NamesHelper.__write(nout, n);
        InputStream nin = nout.create_input_stream();
        check(UR.NamesHelper.__read(nin).that() == 1, "branch named that");
        check(UR.NamesHelper.__read(nin).dis() == 2, "branch named dis");
        check(UR.NamesHelper.__read(nin)._class() == 4, "branch named by a keyword");
    }

    private static void nested() {
        UR.Num n = new UR.Num();
        n.s(3, "n");
        UR.BagPackage.Inner inner = new UR.BagPackage.Inner();
        inner.i(11);
        UR.BagPackage.Switched switched = new UR.BagPackage.Switched();
        switched.r(12);
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.BagHelper.__write(out, new UR.Bag(n, inner, switched));
        UR.Bag bag = UR.BagHelper.__read(out.create_input_stream());
        check(bag.n.discriminator() == 3 && bag.n.s().equals("n") && bag.inner.i() == 11, "unions in a struct");
        check(bag.switched.discriminator() == UR.BagPackage.Side.RIGHT && bag.switched.r() == 12,
              "enum declared in the switch of a union in a struct");

        UR.ByCount count = new UR.ByCount();
        count.one(1);
        OutputStream cout = org.omg.CORBA.ORB.init().create_output_stream();
        UR.ByCountHelper.__write(cout, count);
        check(UR.ByCountHelper.__read(cout.create_input_stream()).one() == 1, "discriminator through a typedef");
        UR.ByShade shade = new UR.ByShade();
        shade.other(UR.Color.GREEN, "g");
        OutputStream sout = org.omg.CORBA.ORB.init().create_output_stream();
        UR.ByShadeHelper.__write(sout, shade);
        UR.ByShade rs = UR.ByShadeHelper.__read(sout.create_input_stream());
        check(rs.discriminator() == UR.Color.GREEN && rs.other().equals("g"), "enum discriminator through a typedef");
        check(UR.ByShadeHelper.type().discriminator_type() == UR.ColorHelper.type(), "typedef discriminator type code");

        UR.OopsPackage.Why why = new UR.OopsPackage.Why();
        why.text("because");
        OutputStream eout = org.omg.CORBA.ORB.init().create_output_stream();
        UR.OopsHelper.__write(eout, new UR.Oops(n, why, 1, 2));
        UR.Oops oops = UR.OopsHelper.__read(eout.create_input_stream());
        check(oops.why.text().equals("because") && oops.n.s().equals("n"), "unions in an exception");
        check(oops.a == 1 && oops.b == 2, "every declarator of an exception member is public");

        UR.Outer outer = new UR.Outer();
        UR.OuterPackage.Deep deep = new UR.OuterPackage.Deep();
        deep.v(5);
        outer.deep(deep);
        OutputStream oout = org.omg.CORBA.ORB.init().create_output_stream();
        UR.OuterHelper.__write(oout, outer);
        outer.num(n);
        UR.OuterHelper.__write(oout, outer);
        UR.Paint p = new UR.Paint();
        p.g(UR.Color.BLUE, UR.Color.RED);
        outer.paint(p);
        UR.OuterHelper.__write(oout, outer);
        org.omg.CORBA.Any any = org.omg.CORBA.ORB.init().create_any();
        any.insert_long(77);
        outer.value(any);
        UR.OuterHelper.__write(oout, outer);
        outer.shade(UR.Color.GREEN);
        UR.OuterHelper.__write(oout, outer);
        InputStream oin = oout.create_input_stream();
        check(UR.OuterHelper.__read(oin).deep().v() == 5, "union in a union");
        check(UR.OuterHelper.__read(oin).num().s().equals("n"), "union branch through a typedef");
        UR.Outer ro = UR.OuterHelper.__read(oin);
        check(ro.discriminator() == 7 && ro.paint().discriminator() == UR.Color.BLUE, "label named by a constant");
        check(UR.OuterHelper.__read(oin).value().extract_long() == 77, "any branch");
        check(UR.OuterHelper.__read(oin).shade() == UR.Color.GREEN, "enum branch through a typedef");

    }

    private static UR.Lists lists(UR.Lists u) {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.ListsHelper.__write(out, u);
        InputStream in = out.create_input_stream();
        UR.Lists r = UR.ListsHelper.__read(in);
        check(in.available() == 0, "sequence and array branches read what was written");
        return r;
    }

    private static void sequencesAndArrays() {
        UR.Lists u = new UR.Lists();
        u.longs(new int[] {1, 2, 3});
        check(lists(u).longs().length == 3 && lists(u).longs()[2] == 3, "sequence typedef branch");
        u.names(new String[] {"a", "b"});
        check(lists(u).names()[1].equals("b"), "anonymous bounded sequence branch");
        u.names(new String[] {"a", "b", "c"});
        try {
            lists(u);
            check(false, "sequence branch over its bound");
        } catch (org.omg.CORBA.MARSHAL expected) {
        }
        u.grid(new int[][] {{1, 2, 3}, {4, 5, 6}});
        check(lists(u).grid()[1][2] == 6, "two-dimensional array branch");
        u.points(new UR.Point[] {new UR.Point(1, 2), new UR.Point(3, 4)});
        check(lists(u).points()[1].y == 4, "array of structs branch");
        UR.Num n = new UR.Num();
        n.s(3, "x");
        u.nums(new UR.Num[] {n});
        check(lists(u).nums()[0].discriminator() == 3, "sequence of unions branch");
        check(UR.ListsHelper.type().member_type(0).kind() == org.omg.CORBA.TCKind.tk_sequence
                  && UR.ListsHelper.type().member_type(2).kind() == org.omg.CORBA.TCKind.tk_array,
              "sequence and array branch type codes");
    }

    private static void anys() {
        UR.Num n = new UR.Num();
        n.s(3, "in any");
        org.omg.CORBA.Any any = org.omg.CORBA.ORB.init().create_any();
        UR.NumHelper.insert(any, n);
        check(any.type() == UR.NumHelper.type(), "insert sets the union type code");
        UR.Num r = UR.NumHelper.extract(any);
        check(r.discriminator() == 3 && r.s().equals("in any"), "union any round trip");

        UR.Mode m = new UR.Mode();
        m.where(UR.Kind.AUTO, new UR.Point(5, 6));
        UR.ModeHelper.insert(any, m);
        check(UR.ModeHelper.extract(any).where().x == 5, "union with a struct branch in an any");

        org.omg.CORBA.TypeCode tc = UR.NumHelper.type();
        check(tc.kind() == org.omg.CORBA.TCKind.tk_union && tc.id().equals("IDL:rt.example/UR/Num:1.0"),
              "union type code");
        check(tc.member_count() == 5 && tc.member_name(1).equals("s") && tc.member_name(2).equals("s")
              && tc.member_name(4).equals("d"), "one type code member per label");
        try {
            check(tc.member_label(1).extract_long() == 2 && tc.member_label(2).extract_long() == 3,
                  "both labels of a case in the type code");
            check(tc.default_index() == 4, "the default member's index");
        } catch (Exception e) {
            check(false, "type code labels: " + e);
        }
        check(tc.member_type(1).kind() == org.omg.CORBA.TCKind.tk_string
                  && tc.discriminator_type().kind() == org.omg.CORBA.TCKind.tk_long,
              "union member and discriminator type codes");
        check(tc == UR.NumHelper.type(), "union type code created once");
        check(UR.NumAliasHelper.type().content_type() == tc, "typedef of a union");
    }

    private static void modules() {
        UR.Deeper.Local l = new UR.Deeper.Local();
        l.x(8);
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        UR.Deeper.LocalHelper.__write(out, l);
        UR.Deeper.Local r = UR.Deeper.LocalHelper.__read(out.create_input_stream());
        check(r.discriminator() == 5 && r.x() == 8, "union in a nested module");
        r._default();
        check(r.discriminator() == 6, "unsigned short _default()");

        UR.Deeper.Wide w = new UR.Deeper.Wide();
        OutputStream wout = org.omg.CORBA.ORB.init().create_output_stream();
        w.one(1);
        UR.Deeper.WideHelper.__write(wout, w);
        w.many(0x7FFFFFFFL, "m");
        UR.Deeper.WideHelper.__write(wout, w);
        w.rest(-5L, (short) 3);
        UR.Deeper.WideHelper.__write(wout, w);
        InputStream win = wout.create_input_stream();
        check(UR.Deeper.WideHelper.__read(win).one() == 1, "long long union, first case");
        UR.Deeper.Wide rw = UR.Deeper.WideHelper.__read(win);
        check(rw.discriminator() == 0x7FFFFFFFL && rw.many().equals("m"), "long long union, second label");
        rw = UR.Deeper.WideHelper.__read(win);
        check(rw.discriminator() == -5L && rw.rest() == 3, "long long union, default branch");
        throwsFault(() -> w.many(1L, "x"), "long long setter with a label of another case");
    }

    public static void main(String[] args) {
        longUnion();
        enumUnion();
        charUnion();
        booleanUnions();
        inPlaceEnum();
        edgeUnions();
        nested();
        sequencesAndArrays();
        anys();
        modules();
        if (failures > 0) {
            System.out.println(failures + " checks failed");
            System.exit(1);
        }
        System.out.println("union round trip passed");
    }
}

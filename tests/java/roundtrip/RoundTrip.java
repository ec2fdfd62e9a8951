import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Writes values through the generated marshal methods and reads them back.
public class RoundTrip {
    private static int failures = 0;

    private static void check(boolean ok, String what) {
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    private static RT.Everything everything() {
        org.omg.CORBA.Any any = org.omg.CORBA.ORB.init().create_any();
        any.insert_long(42);
        return new RT.Everything(true, 'q', 2.5, 1.25f, (byte) -7, (short) -300, (short) 65000, -123456,
                                 0xFFFFFFF0, -9876543210L, 0xFFFFFFFFFFFFFFF0L, "h\u00e9llo", RT.Color._new,
                                 new RT.Inner((short) 1, (short) 2), any, 99);
    }

    private static void structs() {
        RT.Everything e = everything();
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        RT.EverythingHelper.__write(out, e);
        InputStream in = out.create_input_stream();
        RT.Everything r = RT.EverythingHelper.__read(in);
        check(in.available() == 0, "struct read consumes what was written");
        check(r.flag == e.flag && r.letter == e.letter && r.d == e.d && r.f == e.f && r.o == e.o, "struct primitives");
        check(r.s == e.s && r.us == e.us && r.l == e.l && r.ul == e.ul && r.ll == e.ll && r.ull == e.ull,
              "struct integers");
        check(r.text.equals(e.text), "struct string");
        check(r.color == RT.Color._new && r.color.value() == 2, "struct enum member");
        check(r.inner.s == 1 && r.inner.us == 2, "nested struct member");
        check(r.value.extract_long() == 42, "any member");
        check(r._class == 99, "escaped member name");
    }

    private static void enums() {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        RT.ColorHelper.__write(out, RT.Color._final);
        RT.ColorHelper.__write(out, RT.Color.RED);
        InputStream in = out.create_input_stream();
        check(RT.ColorHelper.__read(in) == RT.Color._final, "enum escaped enumerator");
        check(RT.ColorHelper.__read(in) == RT.Color.RED, "enum first enumerator");
        check(RT.Color.__final == 3, "enum integer constant escaped");
        try {
            RT.Color.from_int(4);
            check(false, "from_int outside the range throws");
        } catch (org.omg.CORBA.BAD_PARAM expected) {
        }
        RT.ColorHolder h = new RT.ColorHolder(RT.Color.GREEN);
        OutputStream hout = org.omg.CORBA.ORB.init().create_output_stream();
        h.__write(hout);
        RT.ColorHolder back = new RT.ColorHolder();
        check(back.value == null, "enum holder starts empty");
        back.__read(hout.create_input_stream());
        check(back.value == RT.Color.GREEN, "enum holder round trip");
        check(back.__type().kind() == org.omg.CORBA.TCKind.tk_enum, "enum holder type code");
        check(RT.ColorHelper.type().member_count() == 4 && RT.ColorHelper.type().member_name(2).equals("new"),
              "enum type code members keep IDL names");
    }

    private static void exceptions() {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        RT.Failure f = new RT.Failure(7, "why", "where", RT.Color.GREEN);
        RT.FailureHelper.__write(out, f);
        InputStream in = out.create_input_stream();
        InputStream peek = out.create_input_stream();
        check(peek.read_string().equals(RT.FailureHelper.id()), "exception writes its repository id first");
        RT.Failure r = RT.FailureHelper.__read(in);
        // Every field of a declaration with two declarators is public.
        check(r.code == 7 && r.why.equals("why") && r.where.equals("where") && r.color == RT.Color.GREEN,
              "exception members");
        check(in.available() == 0, "exception read consumes the id");

        OutputStream eout = org.omg.CORBA.ORB.init().create_output_stream();
        RT.EmptyHelper.__write(eout, new RT.Empty());
        InputStream ein = eout.create_input_stream();
        check(RT.EmptyHelper.__read(ein) != null && ein.available() == 0, "empty exception carries only its id");
        check(RT.EmptyHelper.id().equals("IDL:rt.example/RT/Empty:1.0"), "exception repository id");

        RT.FailureHolder holder = new RT.FailureHolder(f);
        OutputStream hout = org.omg.CORBA.ORB.init().create_output_stream();
        holder.__write(hout);
        RT.FailureHolder back = new RT.FailureHolder();
        back.__read(hout.create_input_stream());
        check(back.value.code == 7, "exception holder round trip");
    }

    private static void typedefs() {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        RT.CountHelper.__write(out, 5);
        RT.LabelHelper.__write(out, "label");
        RT.InnerAliasHelper.__write(out, new RT.Inner((short) 3, (short) 4));
        InputStream in = out.create_input_stream();
        check(RT.CountHelper.__read(in) == 5, "typedef of long");
        check(RT.LabelHelper.__read(in).equals("label"), "typedef of string");
        check(RT.InnerAliasHelper.__read(in).us == 4, "typedef of struct");
        check(RT.CountHelper.type().kind() == org.omg.CORBA.TCKind.tk_alias
                  && RT.CountHelper.type().content_type().kind() == org.omg.CORBA.TCKind.tk_long,
              "typedef type code");
        check(RT.CountHelper.type() == RT.CountHelper.type(), "type code created once");
        check(RT.LabelHelper.id().equals("IDL:rt.example/RT/Label:1.0"), "typedef repository id");
    }

    private static void nested() {
        RT.Outer o = new RT.Outer(new RT.OuterPackage.Nested("n", 9), new RT.Inner((short) 5, (short) 6));
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        RT.OuterHelper.__write(out, o);
        RT.Outer r = RT.OuterHelper.__read(out.create_input_stream());
        check(r.nested.label.equals("n") && r.nested.n == 9 && r.alias.s == 5, "nested struct");
        check(RT.OuterPackage.NestedHelper.id().equals("IDL:rt.example/RT/Outer/Nested:1.0"), "nested repository id");

        RT._int i = new RT._int(new RT._FooHolder(11));
        OutputStream iout = org.omg.CORBA.ORB.init().create_output_stream();
        RT._intHelper.__write(iout, i);
        check(RT._intHelper.__read(iout.create_input_stream()).h.x == 11, "escaped type names");

        Echo.Other other = new Echo.Other(new Echo.Echo(3));
        OutputStream eout = org.omg.CORBA.ORB.init().create_output_stream();
        Echo.OtherHelper.__write(eout, other);
        check(Echo.OtherHelper.__read(eout.create_input_stream()).e.x == 3, "class named like its package");

        org.example.rt.Top top = new org.example.rt.Top(8);
        OutputStream tout = org.omg.CORBA.ORB.init().create_output_stream();
        org.example.rt.TopHelper.__write(tout, top);
        check(org.example.rt.TopHelper.__read(tout.create_input_stream()).y == 8, "javaPackage pragma");
    }

    private static void anys() {
        org.omg.CORBA.Any any = org.omg.CORBA.ORB.init().create_any();
        RT.InnerHelper.insert(any, new RT.Inner((short) 12, (short) 13));
        check(any.type() == RT.InnerHelper.type(), "insert sets the type code");
        check(RT.InnerHelper.extract(any).s == 12, "any round trip");
        check(RT.InnerHelper.type().member_name(1).equals("us")
                  && RT.InnerHelper.type().member_type(1).kind() == org.omg.CORBA.TCKind.tk_ushort,
              "struct type code members");
    }

    private static void constants() {
        check(RT.MAX.value == 1000, "long constant");
        check(RT.SMALL.value == -3, "short constant");
        check(RT.BYTE.value == (byte) 0xff, "octet constant");
        check(RT.BIG.value == -1, "unsigned long constant");
        check(RT.HUGE.value == 12345678912L, "long long constant");
        check(RT.PI.value == 3.5f, "float constant");
        check(RT.E.value == 2.71828, "double constant");
        check(RT.BELL.value == 7 && RT.TAB.value == 11, "character escapes");
        check(RT.GREETING.value.equals("tab\there\u000b"), "string constant");
        check(RT.YES.value, "boolean constant");
        check(RT.DERIVED.value == 2002, "constant expression naming a constant");
        check(org.example.rt.TOP.value == 7, "file-level constant");
        switch (1000) {
        case RT.MAX.value:
            break;
        default:
            check(false, "constants are compile-time constants");
        }
    }

    public static void main(String[] args) {
        structs();
        enums();
        exceptions();
        typedefs();
        nested();
        anys();
        constants();
        if (failures > 0) {
            System.out.println(failures + " check(s) failed");
            System.exit(1);
        }
        System.out.println("round trip passed");
    }
}

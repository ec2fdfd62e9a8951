import java.math.BigDecimal;
import java.util.Arrays;
import java.util.Random;

import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

import vemo.harl.cdr.CDRInputStream;
import vemo.harl.cdr.CDROutputStream;
import vemo.harl.cdr.CodeSets;
import vemo.harl.cdr.SystemExceptions;

// The runtime's data layer against octets worked out by hand: CDR
// alignment and byte orders, encapsulations, code sets, type codes with
// indirections, anys of every kind, and hostile input that must end in a
// system exception rather than a crash or a huge allocation.
//
//     java -cp quorvex-runtime.jar:classes CdrTest
public class CdrTest {
    private static final ORB orb = ORB.init();
    private static int failures = 0;
    private static int checks = 0;

    private static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            failures++;
            System.out.println("FAILED: " + what);
        }
    }

    private interface Body {
        void run() throws Exception;
    }

    // The body must raise exactly a system exception of the given class.
    private static void raises(Class<? extends SystemException> expected, Body body, String what) {
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

    private static byte[] bytes(int... v) {
        byte[] b = new byte[v.length];
        for (int i = 0; i < v.length; i++) b[i] = (byte) v[i];
        return b;
    }

    private static String hex(byte[] b) {
        StringBuilder s = new StringBuilder();
        for (byte x : b) s.append(String.format("%02x ", x & 0xFF));
        return s.toString().trim();
    }

    private static void same(byte[] got, byte[] want, String what) {
        check(Arrays.equals(got, want), what + ": " + hex(got) + " instead of " + hex(want));
    }

    private static CDRInputStream reader(byte[] b, boolean little) {
        return new CDRInputStream(orb, b, 0, b.length, little, 2);
    }

    static void alignmentAndByteOrder() {
        for (boolean little : new boolean[] {false, true}) {
            CDROutputStream out = new CDROutputStream(orb, 2, little);
            out.write_octet((byte) 1);
            out.write_short((short) 0x0203);
            out.write_long(0x04050607);
            out.write_octet((byte) 8);
            out.write_longlong(0x090A0B0C0D0E0F10L);
            out.write_boolean(true);
            out.write_double(1.0);
            byte[] want = little
                ? bytes(1, 0, 3, 2, 7, 6, 5, 4, 8, 0, 0, 0, 0, 0, 0, 0, 0x10, 0xF, 0xE, 0xD, 0xC, 0xB, 0xA, 9, 1, 0, 0, 0, 0,
                        0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F)
                : bytes(1, 0, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 9, 0xA, 0xB, 0xC, 0xD, 0xE, 0xF, 0x10, 1, 0, 0, 0,
                        0, 0, 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0);
            same(out.toByteArray(), want, (little ? "little" : "big") + "-endian primitives and padding");
            CDRInputStream in = reader(want, little);
            check(in.read_octet() == 1 && in.read_short() == 0x0203 && in.read_long() == 0x04050607
                      && in.read_octet() == 8 && in.read_longlong() == 0x090A0B0C0D0E0F10L && in.read_boolean()
                      && in.read_double() == 1.0 && in.available() == 0,
                  (little ? "little" : "big") + "-endian primitives read back");
        }

        // Alignment counts from the origin: a 12-octet header, then a body.
        CDROutputStream out = new CDROutputStream(orb, 2, false);
        for (int i = 0; i < 13; i++) out.write_octet((byte) 0xAA);
        out.setAlignmentOrigin(12);
        out.write_long(1);
        check(out.size() == 20, "alignment from a set origin: 13 octets, 3 padding, 4 of the long");
        byte[] b = bytes(0xAA, 0xAA, 0xAA, 0, 0, 0, 0, 0, 0, 5);
        CDRInputStream in = new CDRInputStream(orb, b, 2, 8, false, 2);
        in.read_octet();
        check(in.read_long() == 5, "alignment of a stream over part of a buffer counts from its offset");

        // Size patched in afterwards.
        CDROutputStream msg = new CDROutputStream(orb, 2, true);
        msg.write_long(0);
        msg.write_long(7);
        msg.patchLong(0, 0x11223344);
        same(msg.toByteArray(), bytes(0x44, 0x33, 0x22, 0x11, 7, 0, 0, 0), "patched length in the stream's order");

        // Arrays, bulk, in both orders.
        for (boolean little : new boolean[] {false, true}) {
            CDROutputStream a = new CDROutputStream(orb, 2, little);
            a.write_octet((byte) 0);
            a.write_long_array(new int[] {1, -2, 3}, 0, 3);
            a.write_double_array(new double[] {0.5, -0.0}, 0, 2);
            a.write_short_array(new short[] {7, 8, 9}, 1, 2);
            CDRInputStream r = (CDRInputStream) a.create_input_stream();
            r.read_octet();
            int[] ints = new int[4];
            r.read_long_array(ints, 1, 3);
            double[] ds = new double[2];
            r.read_double_array(ds, 0, 2);
            short[] ss = new short[2];
            r.read_short_array(ss, 0, 2);
            check(Arrays.equals(ints, new int[] {0, 1, -2, 3}) && ds[0] == 0.5 && Double.doubleToRawLongBits(ds[1]) == Long.MIN_VALUE
                      && ss[0] == 8 && ss[1] == 9 && r.available() == 0, "arrays " + (little ? "little" : "big") + "-endian");
        }
    }

    static void encapsulations() {
        CDROutputStream out = new CDROutputStream(orb, 2, false);
        out.write_octet((byte) 9);
        out.beginEncapsulation();
        out.write_long(0x01020304);
        out.endEncapsulation();
        // The length at 4; the byte-order octet at 8 is the encapsulation's
        // origin, so the long is padded to 12.
        same(out.toByteArray(), bytes(9, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 1, 2, 3, 4), "encapsulation");

        // A little-endian encapsulation inside a big-endian stream.
        byte[] b = bytes(0, 0, 0, 8, 1, 0, 0, 0, 4, 3, 2, 1, 0, 0, 0, 5);
        CDRInputStream in = reader(b, false);
        CDRInputStream sub = in.read_encapsulation();
        check(sub.isLittleEndian() && sub.read_long() == 0x01020304 && sub.available() == 0, "sub-stream of an encapsulation");
        check(in.read_long() == 5, "the outer stream continues after the encapsulation");
        CDRInputStream again = reader(b, false);
        again.beginEncapsulation();
        check(again.read_long() == 0x01020304, "encapsulation read in place");
        again.endEncapsulation();
        check(again.read_long() == 5 && !again.isLittleEndian(), "byte order restored after the encapsulation");
        raises(MARSHAL.class, () -> reader(bytes(0, 0, 0, 9, 0, 1, 2), false).read_encapsulation(),
               "encapsulation longer than the data");
        raises(MARSHAL.class, () -> reader(bytes(0, 0, 0, 2, 7, 0), false).read_encapsulation(),
               "byte-order octet other than 0 or 1");
    }

    static void strings() {
        CDROutputStream out = new CDROutputStream(orb, 2, false);
        out.write_string("h\u00e9");
        same(out.toByteArray(), bytes(0, 0, 0, 3, 'h', 0xE9, 0), "ISO-8859-1 string");
        raises(DATA_CONVERSION.class, () -> new CDROutputStream().write_string("\u0100"), "a character outside ISO-8859-1");
        raises(DATA_CONVERSION.class, () -> new CDROutputStream().write_char('\u20ac'), "a char outside ISO-8859-1");
        raises(BAD_PARAM.class, () -> new CDROutputStream().write_string(null), "a null string");

        CDROutputStream utf = new CDROutputStream(orb, 2, false);
        utf.setCharCodeSet(CodeSets.UTF_8);
        utf.write_string("h\u00e9\u20ac");
        same(utf.toByteArray(), bytes(0, 0, 0, 7, 'h', 0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0), "UTF-8 string");
        CDRInputStream in = (CDRInputStream) utf.create_input_stream();
        check(in.read_string().equals("h\u00e9\u20ac"), "UTF-8 string read back");
        CDRInputStream bad = reader(bytes(0, 0, 0, 3, 0xC3, 0x28, 0), false);
        bad.setCharCodeSet(CodeSets.UTF_8);
        raises(DATA_CONVERSION.class, bad::read_string, "malformed UTF-8");
        raises(MARSHAL.class, () -> reader(bytes(0, 0, 0, 3, 'a', 'b', 'c'), false).read_string(), "string without NUL");

        // Wide characters: GIOP 1.2 carries the octet count, UTF-16.
        CDROutputStream w = new CDROutputStream(orb, 2, true);
        w.write_wchar('\u20ac');
        w.write_wstring("A\u00e9");
        same(w.toByteArray(), bytes(2, 0x20, 0xAC, 0, 4, 0, 0, 0, 0, 'A', 0, 0xE9), "GIOP 1.2 wchar and wstring");
        CDRInputStream wi = (CDRInputStream) w.create_input_stream();
        check(wi.read_wchar() == '\u20ac' && wi.read_wstring().equals("A\u00e9"), "GIOP 1.2 wide values read back");
        check(reader(bytes(0, 0, 0, 4, 0xFF, 0xFE, 'x', 0), false).read_wstring().equals("x"),
              "wide string with a little-endian byte-order mark");
        raises(MARSHAL.class, () -> reader(bytes(0, 0, 0, 3, 0, 'x', 0), false).read_wstring(), "odd wide string length");
        // GIOP 1.1: characters counted with the NUL, in the stream's order.
        CDROutputStream w11 = new CDROutputStream(orb, 1, true);
        w11.write_wstring("ab");
        same(w11.toByteArray(), bytes(3, 0, 0, 0, 'a', 0, 'b', 0, 0, 0), "GIOP 1.1 wstring");
        check(((CDRInputStream) w11.create_input_stream()).read_wstring().equals("ab"), "GIOP 1.1 wstring read back");
        raises(MARSHAL.class, () -> new CDROutputStream(orb, 0, false).write_wstring("a"), "GIOP 1.0 has no wide strings");
    }

    static void fixedAndLongDouble() {
        CDROutputStream out = new CDROutputStream();
        out.write_fixed(new BigDecimal("123.45"), (short) 5, (short) 2);
        out.write_fixed(new BigDecimal("-1.5"), (short) 4, (short) 1);
        same(out.toByteArray(), bytes(0x12, 0x34, 0x5C, 0x00, 0x01, 0x5D), "fixed-point packed decimal");
        InputStream in = out.create_input_stream();
        check(in.read_fixed((short) 5, (short) 2).equals(new BigDecimal("123.45"))
                  && in.read_fixed((short) 4, (short) 1).equals(new BigDecimal("-1.5")), "fixed read back");
        raises(DATA_CONVERSION.class, () -> new CDROutputStream().write_fixed(new BigDecimal("1234"), (short) 3, (short) 0),
               "fixed with too many digits");

        byte[] ld = new byte[16];
        for (int i = 0; i < 16; i++) ld[i] = (byte) i;
        CDROutputStream le = new CDROutputStream(orb, 2, true);
        le.write_longdouble_octets(ld);
        check(le.toByteArray()[0] == 15 && Arrays.equals(((CDRInputStream) le.create_input_stream()).read_longdouble_octets(), ld),
              "long double swapped as one 16-octet value");
    }

    static TypeCode node() {
        // struct Node { long v; sequence<Node> kids; };
        TypeCode seq = orb.create_sequence_tc(0, orb.create_recursive_tc("IDL:T/Node:1.0"));
        return orb.create_struct_tc("IDL:T/Node:1.0", "Node", new StructMember[] {
            new StructMember("v", orb.get_primitive_tc(TCKind.tk_long), null),
            new StructMember("kids", seq, null)});
    }

    static TypeCode union() {
        TypeCode color = orb.create_enum_tc("IDL:T/Color:1.0", "Color", new String[] {"RED", "GREEN", "BLUE"});
        Any red = orb.create_any();
        red.read_value(label(color, 0), color);
        Any def = orb.create_any();
        def.insert_octet((byte) 0);
        return orb.create_union_tc("IDL:T/U:1.0", "U", color, new UnionMember[] {
            new UnionMember("r", red, orb.get_primitive_tc(TCKind.tk_string), null),
            new UnionMember("other", def, orb.create_array_tc(2, orb.get_primitive_tc(TCKind.tk_short)), null)});
    }

    static InputStream label(TypeCode enumType, int value) {
        OutputStream o = orb.create_any().create_output_stream();
        o.write_ulong(value);
        return o.create_input_stream();
    }

    static TypeCode roundTrip(TypeCode t, boolean little) {
        CDROutputStream out = new CDROutputStream(orb, 2, little);
        out.write_octet((byte) 0);
        out.write_TypeCode(t);
        CDRInputStream in = (CDRInputStream) out.create_input_stream();
        in.read_octet();
        TypeCode back = in.read_TypeCode();
        check(in.available() == 0, "type code read to its end: " + t);
        return back;
    }

    static void typeCodes() {
        TypeCode n = node();
        check(n.member_type(1).content_type().kind() == TCKind.tk_struct
                  && n.member_type(1).content_type().member_name(1).equals("kids"), "recursive placeholder bound");
        raises(BAD_TYPECODE.class, () -> orb.create_recursive_tc("IDL:X:1.0").kind(), "unbound placeholder");
        raises(BAD_TYPECODE.class, () -> new CDROutputStream().write_TypeCode(orb.create_recursive_tc("IDL:X:1.0")),
               "unbound placeholder written");
        for (boolean little : new boolean[] {false, true}) {
            TypeCode back = roundTrip(n, little);
            check(back.equal(n) && n.equal(back), "recursive struct through CDR");
            check(back.member_type(1).content_type().equal(back), "recursion kept after reading");
        }
        CDROutputStream out = new CDROutputStream();
        out.write_TypeCode(n);
        byte[] b = out.toByteArray();
        // The inner reference is an indirection back to offset 0.
        int at = b.length - 12;
        check(b[at] == (byte) 0xFF && b[at + 1] == (byte) 0xFF && b[at + 2] == (byte) 0xFF && b[at + 3] == (byte) 0xFF,
              "indirection marker in " + hex(b));
        int offset = ((b[at + 4] & 0xFF) << 24) | ((b[at + 5] & 0xFF) << 16) | ((b[at + 6] & 0xFF) << 8) | (b[at + 7] & 0xFF);
        check(at + 4 + offset == 0, "indirection offset points to the struct's kind");

        // A struct type used twice travels once, then as an indirection.
        TypeCode p = orb.create_struct_tc("IDL:T/P:1.0", "P", new StructMember[] {
            new StructMember("x", orb.get_primitive_tc(TCKind.tk_double), null)});
        TypeCode two = orb.create_struct_tc("IDL:T/Two:1.0", "Two", new StructMember[] {
            new StructMember("a", p, null), new StructMember("b", orb.create_alias_tc("IDL:T/Q:1.0", "Q", p), null)});
        CDROutputStream t2 = new CDROutputStream();
        t2.write_TypeCode(two);
        CDROutputStream once = new CDROutputStream();
        once.write_TypeCode(p);
        check(t2.size() < 2 * once.size() + 60, "repeated type code written as an indirection");
        check(roundTrip(two, true).equal(two), "repeated type code read back");

        TypeCode u = union();
        TypeCode ub = roundTrip(u, false);
        check(ub.equal(u) && ub.default_index() == 1 && ub.member_label(1).type().kind() == TCKind.tk_octet
                  && ub.discriminator_type().member_count() == 3, "union over an enum with a default member");
        check(!u.equal(n) && !p.equal(orb.create_struct_tc("IDL:T/P:1.0", "P", new StructMember[] {
            new StructMember("y", orb.get_primitive_tc(TCKind.tk_double), null)})), "different member names not equal");
        check(p.equivalent(orb.create_struct_tc("IDL:T/P:1.0", "Renamed", new StructMember[] {
            new StructMember("y", orb.get_primitive_tc(TCKind.tk_double), null)})), "equivalent ignores names");
        check(orb.create_alias_tc("IDL:T/A:1.0", "A", p).equivalent(p), "equivalent looks through aliases");
        TypeCode compact = n.get_compact_typecode();
        check(compact.name().isEmpty() && compact.member_name(0).isEmpty() && compact.equivalent(n), "compact type code");
        TypeCode[] simple = {orb.create_string_tc(5), orb.create_wstring_tc(0), orb.create_fixed_tc((short) 9, (short) 3),
                             orb.get_primitive_tc(TCKind.tk_longdouble), orb.get_primitive_tc(TCKind.tk_wchar),
                             orb.create_value_box_tc("IDL:T/B:1.0", "B", orb.get_primitive_tc(TCKind.tk_long)),
                             orb.create_interface_tc("IDL:T/I:1.0", "I"), orb.create_local_interface_tc("IDL:T/L:1.0", "L"),
                             orb.create_abstract_interface_tc("IDL:T/AI:1.0", "AI"), orb.create_native_tc("IDL:T/N:1.0", "N"),
                             orb.create_exception_tc("IDL:T/E:1.0", "E", new StructMember[0]),
                             orb.create_value_tc("IDL:T/V:1.0", "V", VM_NONE.value, null, new ValueMember[] {
                                 new ValueMember("m", "", "", "", orb.get_primitive_tc(TCKind.tk_long), null, PUBLIC_MEMBER.value)})};
        for (TypeCode t : simple) check(roundTrip(t, true).equal(t), "type code of kind " + t.kind() + " through CDR");
        raises(BAD_PARAM.class, () -> orb.create_union_tc("IDL:X:1.0", "X", orb.get_primitive_tc(TCKind.tk_double), new UnionMember[0]),
               "union over a double");
        boolean badKind = false;
        try {
            orb.get_primitive_tc(TCKind.tk_long).member_count();
        } catch (org.omg.CORBA.TypeCodePackage.BadKind e) {
            badKind = true;
        }
        check(badKind, "member_count of a long raises BadKind");
    }

    static Any roundTrip(Any a, boolean little) {
        CDROutputStream out = new CDROutputStream(orb, 2, little);
        out.write_octet((byte) 3);
        out.write_any(a);
        CDRInputStream in = (CDRInputStream) out.create_input_stream();
        in.read_octet();
        Any back = in.read_any();
        check(in.available() == 0, "any read to its end: " + a);
        return back;
    }

    static void anys() {
        Any a = orb.create_any();
        Any[] all = new Any[18];
        for (int i = 0; i < all.length; i++) all[i] = orb.create_any();
        all[0].insert_boolean(true);
        all[1].insert_char('\u00fc');
        all[2].insert_wchar('\u20ac');
        all[3].insert_octet((byte) 0xFE);
        all[4].insert_short((short) -5);
        all[5].insert_ushort((short) 0xFFFF);
        all[6].insert_long(Integer.MIN_VALUE);
        all[7].insert_ulong(-1);
        all[8].insert_longlong(Long.MIN_VALUE);
        all[9].insert_ulonglong(-1L);
        all[10].insert_float(Float.NaN);
        all[11].insert_double(-0.0);
        all[12].insert_string("text");
        all[13].insert_wstring("w\u00e9de");
        all[14].insert_TypeCode(node());
        all[15].insert_fixed(new BigDecimal("-0.05"));
        all[16].insert_any(all[12]);
        all[17].insert_Principal(new Principal(new byte[] {1, 2}));
        for (Any x : all) {
            for (boolean little : new boolean[] {false, true}) {
                Any back = roundTrip(x, little);
                check(back.equal(x) && x.equal(back), "any of " + x.type().kind() + (little ? " little" : " big") + "-endian");
            }
        }
        check(roundTrip(all[0], false).extract_boolean() && roundTrip(all[1], true).extract_char() == '\u00fc'
                  && roundTrip(all[2], true).extract_wchar() == '\u20ac' && roundTrip(all[3], true).extract_octet() == (byte) 0xFE
                  && roundTrip(all[4], true).extract_short() == -5 && roundTrip(all[6], true).extract_long() == Integer.MIN_VALUE
                  && roundTrip(all[8], true).extract_longlong() == Long.MIN_VALUE
                  && Float.isNaN(roundTrip(all[10], true).extract_float())
                  && roundTrip(all[12], true).extract_string().equals("text")
                  && roundTrip(all[13], true).extract_wstring().equals("w\u00e9de")
                  && roundTrip(all[14], true).extract_TypeCode().equal(node())
                  && roundTrip(all[15], true).extract_fixed().equals(new BigDecimal("-0.05"))
                  && roundTrip(all[16], true).extract_any().extract_string().equals("text")
                  && roundTrip(all[17], true).extract_Principal().equals(new Principal(new byte[] {1, 2})),
              "values extracted after the wire");
        check(!all[4].equal(all[5]) && !all[12].equal(all[13]), "anys of different types differ");
        Any other = orb.create_any();
        other.insert_string("texT");
        check(!other.equal(all[12]), "anys of different values differ");
        raises(BAD_OPERATION.class, () -> all[6].extract_ulong(), "extracting another type");
        raises(BAD_OPERATION.class, () -> orb.create_any().extract_long(), "extracting from an empty any");

        // A recursive value: Node { 1, [ Node { 2, [] }, Node { 3, [] } ] }.
        OutputStream v = a.create_output_stream();
        v.write_long(1);
        v.write_ulong(2);
        v.write_long(2);
        v.write_ulong(0);
        v.write_long(3);
        v.write_ulong(0);
        a.read_value(v.create_input_stream(), node());
        Any back = roundTrip(a, true);
        InputStream in = back.create_input_stream();
        check(back.equal(a) && in.read_long() == 1 && in.read_ulong() == 2 && in.read_long() == 2, "recursive value in an any");

        // A union over an enum: the default branch.
        OutputStream uv = a.create_output_stream();
        uv.write_ulong(2);
        uv.write_short_array(new short[] {4, 5}, 0, 2);
        a.read_value(uv.create_input_stream(), union());
        InputStream ui = roundTrip(a, true).create_input_stream();
        check(ui.read_ulong() == 2 && ui.read_short() == 4 && ui.read_short() == 5, "union default branch in an any");

        // A big octet sequence.
        byte[] big = new byte[1 << 20];
        new Random(1).nextBytes(big);
        OutputStream sv = a.create_output_stream();
        sv.write_ulong(big.length);
        sv.write_octet_array(big, 0, big.length);
        a.read_value(sv.create_input_stream(), orb.create_sequence_tc(0, orb.get_primitive_tc(TCKind.tk_octet)));
        InputStream si = roundTrip(a, true).create_input_stream();
        byte[] got = new byte[si.read_ulong()];
        si.read_octet_array(got, 0, got.length);
        check(Arrays.equals(got, big), "1 MB octet sequence in an any");

        // References stay references inside a local any.
        org.omg.CORBA.Object ref = id -> id.equals("IDL:T/I:1.0");
        Any r = orb.create_any();
        r.insert_Object(ref, orb.create_interface_tc("IDL:T/I:1.0", "I"));
        check(r.extract_Object() == ref && r.type().id().equals("IDL:T/I:1.0"), "reference in an any");

        // Holders.
        IntHolder h = new IntHolder(9);
        Any ha = orb.create_any();
        ha.insert_Streamable(h);
        check(ha.extract_long() == 9 && ha.extract_Streamable() == h, "any through a holder");
    }

    static void systemExceptions() {
        CDROutputStream out = new CDROutputStream();
        SystemExceptions.write(out, new TRANSIENT("x", 7, CompletionStatus.COMPLETED_MAYBE));
        SystemException e = SystemExceptions.read(out.create_input_stream());
        check(e instanceof TRANSIENT && e.minor == 7 && e.completed == CompletionStatus.COMPLETED_MAYBE,
              "system exception through its reply form");
        check(SystemExceptions.id(new OBJECT_NOT_EXIST()).equals("IDL:omg.org/CORBA/OBJECT_NOT_EXIST:1.0")
                  && SystemExceptions.create("IDL:omg.org/CORBA/BAD_QOS:1.0", 1, CompletionStatus.COMPLETED_NO) instanceof BAD_QOS
                  && SystemExceptions.create("IDL:other/X:1.0", 1, CompletionStatus.COMPLETED_NO) instanceof UNKNOWN,
              "system exceptions by repository identifier");
        CDROutputStream bad = new CDROutputStream();
        bad.write_string("IDL:omg.org/CORBA/MARSHAL:1.0");
        bad.write_ulong(0);
        bad.write_ulong(9);
        raises(MARSHAL.class, () -> SystemExceptions.read(bad.create_input_stream()), "completion status 9");
        check(SystemException.fromORBException(new org.omg.CORBA.portable.ORBException(
                  "IDL:omg.org/CORBA/COMM_FAILURE:1.0", 3, CompletionStatus.COMPLETED_NO, "lost")) instanceof COMM_FAILURE,
              "ORB exception to system exception");
    }

    // The standard system exceptions, found as classes of the runtime's jar:
    // the registry of SystemExceptions and ORBException's naming rule must
    // agree on each, both ways, and on what is not one.
    static void systemExceptionNames() throws Exception {
        java.util.List<Class<?>> standard = new java.util.ArrayList<>();
        java.net.URL jar = ORB.class.getProtectionDomain().getCodeSource().getLocation();
        try (java.util.zip.ZipFile z = new java.util.zip.ZipFile(new java.io.File(jar.toURI()))) {
            for (java.util.Enumeration<? extends java.util.zip.ZipEntry> en = z.entries(); en.hasMoreElements();) {
                String name = en.nextElement().getName();
                if (!name.matches("org/omg/CORBA/[A-Z_]+\\.class")) continue;
                Class<?> c = Class.forName(name.replace('/', '.').replace(".class", ""));
                if (SystemException.class.isAssignableFrom(c) && c != SystemException.class) standard.add(c);
            }
        }
        check(standard.size() == 39, "standard system exceptions in the jar: " + standard.size());
        for (Class<?> c : standard) {
            String id = "IDL:omg.org/CORBA/" + c.getSimpleName() + ":1.0";
            SystemException made = SystemExceptions.create(id, "r", 5, CompletionStatus.COMPLETED_YES);
            SystemException viaOrb = SystemException.fromORBException(
                new org.omg.CORBA.portable.ORBException(id, 5, CompletionStatus.COMPLETED_YES, "r"));
            check(SystemExceptions.isStandard(id) && made.getClass() == c && viaOrb.getClass() == c
                      && viaOrb.minor == 5 && viaOrb.completed == CompletionStatus.COMPLETED_YES
                      && "r".equals(viaOrb.getMessage()),
                  "system exception by identifier " + id);
            check(new org.omg.CORBA.portable.ORBException(made).id.equals(id) && SystemExceptions.id(made).equals(id),
                  "identifier of " + c.getName());
        }
        String[] others = {"IDL:omg.org/CORBA/SystemException:1.0", "IDL:omg.org/CORBA/Any:1.0",
                           "IDL:omg.org/CORBA/portable.ORBException:1.0", "IDL:omg.org/CORBA/:1.0",
                           "IDL:omg.org/CORBA/TRANSIENT:1.1", "IDL:other/TRANSIENT:1.0", "", null};
        for (String id : others) {
            SystemException a = SystemExceptions.create(id, 2, CompletionStatus.COMPLETED_NO);
            SystemException b = SystemException.fromORBException(
                new org.omg.CORBA.portable.ORBException(id, 2, CompletionStatus.COMPLETED_NO, ""));
            check(!SystemExceptions.isStandard(id) && a instanceof UNKNOWN && b instanceof UNKNOWN && b.minor == 2
                      && a.getMessage().equals(b.getMessage()),
                  "no standard exception: " + id + " (" + a.getMessage() + " / " + b.getMessage() + ")");
        }
    }

    // A CDR stream reads and writes references through the References its
    // ORB gives; references in an any's value stay beside its octets.
    static void referencesThroughTheirORB() {
        final class Marking implements vemo.harl.cdr.References {
            final java.util.List<org.omg.CORBA.Object> written = new java.util.ArrayList<>();
            final org.omg.CORBA.Object readBack = new org.omg.CORBA.portable.ObjectImpl() {
                public String[] _get_ids() {
                    return new String[] {"IDL:test/Marked:1.0"};
                }
            };

            public org.omg.CORBA.Object read(CDRInputStream in) {
                return in.read_long() == 0x5eed ? readBack : null;
            }

            public void write(CDROutputStream out, org.omg.CORBA.Object obj) {
                written.add(obj);
                out.write_long(0x5eed);
            }
        }
        Marking marking = new Marking();
        class CarryingORB extends org.omg.CORBA_2_3.ORB implements vemo.harl.cdr.References.Source {
            public vemo.harl.cdr.References references() {
                return marking;
            }
        }
        ORB carrier = new CarryingORB();
        org.omg.CORBA.Object ref = marking.readBack;
        CDROutputStream out = new CDROutputStream(carrier);
        out.write_Object(ref);
        out.write_Object(null);
        CDRInputStream in = new CDRInputStream(carrier, out.toByteArray(), 0, out.size(), false, 2);
        check(marking.written.size() == 2 && marking.written.get(0) == ref && marking.written.get(1) == null
                  && in.read_Object() == ref, "references through the ORB's References");
        Any a = orb.create_any();
        a.insert_Object(ref);
        check(marking.written.size() == 2 && a.extract_Object() == ref, "a reference in an any stays aside");
        CDROutputStream withAny = new CDROutputStream(carrier);
        withAny.write_any(a);
        check(marking.written.size() == 3 && marking.written.get(2) == ref,
              "an any written to a stream writes its reference through the stream's References");
    }

    // Hostile octets: each must end in a system exception, quickly.
    static void hostile() {
        raises(MARSHAL.class, () -> reader(bytes(0xFF, 0xFF, 0xFF, 0xF0, 'a', 0), false).read_string(), "4 GB string length");
        raises(MARSHAL.class, () -> reader(bytes(0x7F, 0xFF, 0xFF, 0xF0, 'a', 0), false).read_string(), "2 GB string length");
        raises(MARSHAL.class, () -> reader(bytes(1, 2, 3), false).read_long(), "long past the end");
        raises(MARSHAL.class, () -> reader(bytes(1, 2), false).read_octet_array(new byte[3], 0, 3), "octets past the end");
        raises(MARSHAL.class, () -> reader(new byte[20], false).read_long_array(new int[1 << 20], 0, 1 << 20), "longs past the end");

        // An any holding a sequence of 2^31-1 longs in a 20-octet message.
        CDROutputStream seq = new CDROutputStream();
        seq.write_TypeCode(orb.create_sequence_tc(0, orb.get_primitive_tc(TCKind.tk_long)));
        seq.write_ulong(0x7FFFFFFF);
        raises(MARSHAL.class, () -> seq.create_input_stream().read_any(), "huge sequence in an any");
        CDROutputStream seqs = new CDROutputStream();
        seqs.write_TypeCode(orb.create_sequence_tc(0, orb.create_sequence_tc(0, orb.get_primitive_tc(TCKind.tk_long))));
        seqs.write_ulong(0x7FFFFFFF);
        raises(MARSHAL.class, () -> seqs.create_input_stream().read_any(), "huge sequence of sequences in an any");
        CDROutputStream empties = new CDROutputStream();
        empties.write_TypeCode(orb.create_sequence_tc(0, orb.create_struct_tc("IDL:E:1.0", "E", new StructMember[0])));
        empties.write_ulong(0x7FFFFFFF);
        raises(MARSHAL.class, () -> empties.create_input_stream().read_any(), "2^31 empty structs");

        // Type codes nested 100 deep.
        TypeCode deep = orb.get_primitive_tc(TCKind.tk_long);
        for (int i = 0; i < 100; i++) deep = orb.create_sequence_tc(0, deep);
        TypeCode tooDeep = deep;
        raises(MARSHAL.class, () -> new CDROutputStream().write_TypeCode(tooDeep), "writing type codes nested 100 deep");
        CDROutputStream hand = new CDROutputStream();
        for (int i = 0; i < 100; i++) {
            hand.write_ulong(TCKind._tk_sequence);
            hand.write_ulong(0x7FFFFFF0);
            hand.write_octet((byte) 0);
        }
        raises(MARSHAL.class, () -> hand.create_input_stream().read_TypeCode(), "encapsulation lengths beyond the data");
        raises(MARSHAL.class, () -> {
            // A well-formed chain of 100 nested sequence type codes.
            CDROutputStream ok = new CDROutputStream();
            nest(ok, 100);
            ok.create_input_stream().read_TypeCode();
        }, "reading type codes nested 100 deep");
        // Anys nested 100 deep.
        raises(MARSHAL.class, () -> {
            CDROutputStream ok = new CDROutputStream();
            for (int i = 0; i < 100; i++) ok.write_ulong(TCKind._tk_any);
            ok.write_ulong(TCKind._tk_null);
            ok.create_input_stream().read_any();
        }, "anys nested 100 deep");

        // A recursive value nested 100000 deep (8 octets a level): MARSHAL,
        // not a stack overflow.
        raises(MARSHAL.class, () -> {
            CDROutputStream deepValue = new CDROutputStream();
            deepValue.write_TypeCode(node());
            for (int i = 0; i < 100000; i++) {
                deepValue.write_long(i);
                deepValue.write_ulong(1);
            }
            deepValue.write_long(0);
            deepValue.write_ulong(0);
            deepValue.create_input_stream().read_any();
        }, "recursive value nested 100000 deep");

        // Indirections that point forward, to themselves or nowhere.
        raises(MARSHAL.class, () -> reader(bytes(0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 4), false).read_TypeCode(), "forward indirection");
        raises(MARSHAL.class, () -> reader(bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFC), false).read_TypeCode(),
               "indirection to itself");
        raises(MARSHAL.class, () -> reader(bytes(0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0), false).read_TypeCode(),
               "indirection before the data");
        raises(MARSHAL.class, () -> reader(bytes(0, 0, 0, 99), false).read_TypeCode(), "unknown kind");

        // Random mutations of a valid any: system exceptions only.
        Any a = orb.create_any();
        OutputStream v = a.create_output_stream();
        v.write_long(1);
        v.write_ulong(1);
        v.write_long(2);
        v.write_ulong(0);
        a.read_value(v.create_input_stream(), node());
        Any outer = orb.create_any();
        outer.insert_any(a);
        CDROutputStream good = new CDROutputStream();
        good.write_any(outer);
        good.write_TypeCode(union());
        byte[] valid = good.toByteArray();
        Random random = new Random(20);
        int escaped = 0;
        long started = System.nanoTime();
        for (int round = 0; round < 3000; round++) {
            byte[] b = valid.clone();
            int changes = 1 + random.nextInt(4);
            for (int c = 0; c < changes; c++) {
                int at = random.nextInt(b.length);
                switch (random.nextInt(3)) {
                    case 0: b[at] = (byte) random.nextInt(256); break;
                    case 1: b[at] ^= (byte) (1 << random.nextInt(8)); break;
                    default: b[at] = (byte) (random.nextBoolean() ? 0xFF : 0x7F); break;
                }
            }
            int length = random.nextInt(8) == 0 ? random.nextInt(b.length) : b.length;
            try {
                CDRInputStream in = new CDRInputStream(orb, b, 0, length, random.nextBoolean(), 2);
                Any x = in.read_any();
                x.equal(x);
                in.read_TypeCode().equal(union());
            } catch (SystemException e) {
                // expected
            } catch (org.omg.CORBA.TypeCodePackage.BadKind | org.omg.CORBA.TypeCodePackage.Bounds e) {
                escaped++;
                if (escaped < 5) e.printStackTrace(System.out);
            } catch (Throwable e) {
                escaped++;
                if (escaped < 5) e.printStackTrace(System.out);
            }
        }
        check(escaped == 0, escaped + " mutated messages raised something other than a system exception");
        check(System.nanoTime() - started < 60_000_000_000L, "mutated messages read in time");
    }

    private static void nest(CDROutputStream out, int depth) {
        if (depth == 0) {
            out.write_ulong(TCKind._tk_long);
            return;
        }
        out.write_ulong(TCKind._tk_sequence);
        out.beginEncapsulation();
        nest(out, depth - 1);
        out.write_ulong(0);
        out.endEncapsulation();
    }

    // Every runtime name the generator's vocabulary can print, used the way
    // generated code uses it: a rename in the runtime fails to compile here.
    static void vocabulary() {
        Class<?>[] named = {org.omg.CORBA.Context.class, org.omg.CORBA.Object.class, BAD_PARAM.class, MARSHAL.class,
                            BAD_OPERATION.class, UNKNOWN.class, INV_OBJREF.class, UserException.class,
                            SystemException.class, CORBAException.class, ObjectImplBase.class, ORB.class,
                            StructMember.class, UnionMember.class, TCKind.class,
                            org.omg.CORBA.portable.Streamable.class, org.omg.CORBA.portable.RetryException.class,
                            org.omg.CORBA.portable.ORBException.class, org.omg.CORBA.portable.ObjectImpl.class,
                            org.omg.CORBA.portable.Delegate.class, org.omg.CORBA.portable.OperationDescriptor.class,
                            InputStream.class, OutputStream.class, org.omg.CORBA.portable.ServerInvocation.class,
                            org.omg.CORBA.portable.Skeleton.class, vemo.harl.Support.class, Any.class, TypeCode.class,
                            Principal.class, BooleanHolder.class, CharHolder.class, DoubleHolder.class,
                            FloatHolder.class, ByteHolder.class, AnyHolder.class, ShortHolder.class, IntHolder.class,
                            LongHolder.class, StringHolder.class, TypeCodeHolder.class, PrincipalHolder.class,
                            ObjectHolder.class, org.omg.CORBA.ORBPackage.InvalidName.class,
                            org.omg.CORBA_2_3.portable.OutputStream.class,
                            org.omg.CORBA_2_3.portable.InputStream.class,
                            org.omg.CORBA.portable.BoxedValueHelper.class,
                            org.omg.CORBA.portable.ValueBase.class};
        check(named.length == 47, "vocabulary classes");
        // The streams generated Helpers cast to for values are the runtime's.
        check(ORB.init().create_output_stream() instanceof org.omg.CORBA_2_3.portable.OutputStream,
              "value output stream");
        check(ORB.init().create_output_stream().create_input_stream() instanceof
                  org.omg.CORBA_2_3.portable.InputStream, "value input stream");
        SystemException[] faults = {new MARSHAL(0, CompletionStatus.COMPLETED_MAYBE),
                                    new BAD_OPERATION(0, CompletionStatus.COMPLETED_MAYBE),
                                    new UNKNOWN(0, CompletionStatus.COMPLETED_MAYBE),
                                    new INV_OBJREF(0, CompletionStatus.COMPLETED_MAYBE), new BAD_PARAM(),
                                    new BAD_OPERATION(), new MARSHAL(),
                                    SystemException.fromORBException(new org.omg.CORBA.portable.ORBException(
                                        "IDL:omg.org/CORBA/MARSHAL:1.0", 0, CompletionStatus.COMPLETED_MAYBE, "x"))};
        check(faults[7] instanceof MARSHAL, "fault expressions");
        TCKind[] kinds = {TCKind.tk_boolean, TCKind.tk_char, TCKind.tk_double, TCKind.tk_float, TCKind.tk_octet,
                          TCKind.tk_any, TCKind.tk_short, TCKind.tk_long, TCKind.tk_longlong, TCKind.tk_ushort,
                          TCKind.tk_ulong, TCKind.tk_ulonglong, TCKind.tk_string, TCKind.tk_TypeCode,
                          TCKind.tk_Principal, TCKind.tk_objref};
        for (TCKind k : kinds) check(ORB.init().get_primitive_tc(k).kind() == k, "primitive type code " + k);
        Any a = ORB.init().create_any();
        a.insert_boolean((boolean) true);
        a.insert_char((char) 'c');
        a.insert_double((double) 1);
        a.insert_float((float) 1);
        a.insert_octet((byte) 1);
        a.insert_any(ORB.init().create_any());
        a.insert_short((short) 1);
        a.insert_long((int) 1);
        a.insert_longlong((long) 1);
        a.insert_ushort((short) 1);
        a.insert_ulong((int) 1);
        a.insert_ulonglong((long) 1);
        org.omg.CORBA.Object o = id -> false;
        o._release();
        check(o._duplicate() == o && a.extract_ulonglong() == 1, "reference copy and release");
    }

    public static void main(String[] args) throws Exception {
        vocabulary();
        alignmentAndByteOrder();
        encapsulations();
        strings();
        fixedAndLongDouble();
        typeCodes();
        anys();
        systemExceptions();
        systemExceptionNames();
        referencesThroughTheirORB();
        hostile();
        System.out.println(checks + " checks, " + failures + " failed");
        System.exit(failures == 0 ? 0 : 1);
    }
}

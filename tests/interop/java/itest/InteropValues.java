package itest;

import Interop.*;
import java.lang.reflect.Array;
import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import org.omg.CORBA.Any;
import org.omg.CORBA.ORB;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;

// The known values of the interoperability tests, the same as those of
// peer.cc: number 1, 2 and 3 of each type.  Operation r_X receives value 1
// in a and value 2 in b, and answers value 3 in b, value 1 in c and value 2
// as its result.  Values are compared by their text (show), built by
// reflection over the generated classes.
final class InteropValues {
    private InteropValues() { }

    static int checks = 0;
    static int failures = 0;

    static synchronized void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            failures++;
            System.out.println("FAILED: " + what);
            System.out.flush();
        }
    }

    static void same(Object got, Object want, String what) {
        String g = show(got), w = show(want);
        check(g.equals(w), what + ": got " + clip(g) + ", want " + clip(w));
    }

    static String clip(String s) {
        return s.length() > 600 ? s.substring(0, 600) + "..." : s;
    }

    // ---- Textual forms. -------------------------------------------------

    static String show(Object v) {
        StringBuilder b = new StringBuilder();
        show(b, v);
        return b.toString();
    }

    private static void show(StringBuilder b, Object v) {
        if (v == null) {
            b.append("null");
        } else if (v instanceof String) {
            b.append('"');
            for (char c : ((String) v).toCharArray()) {
                if (c >= 32 && c < 127 && c != '"' && c != '\\') b.append(c);
                else b.append("\\u").append(Integer.toHexString(c));
            }
            b.append('"');
        } else if (v instanceof Float) {
            b.append("f").append(Integer.toHexString(Float.floatToRawIntBits((Float) v)));
        } else if (v instanceof Double) {
            b.append("d").append(Long.toHexString(Double.doubleToRawLongBits((Double) v)));
        } else if (v instanceof Character) {
            b.append("c").append(Integer.toHexString((Character) v));
        } else if (v instanceof java.math.BigDecimal) {
            // Digits and scale both count: a fixed value read has its type's scale.
            java.math.BigDecimal d = (java.math.BigDecimal) v;
            b.append("fixed(").append(d.unscaledValue()).append(",").append(d.scale()).append(')');
        } else if (v instanceof Number || v instanceof Boolean) {
            b.append(v);
        } else if (v.getClass().isArray()) {
            b.append('[');
            for (int i = 0; i < Array.getLength(v); i++) {
                if (i > 0) b.append(',');
                show(b, Array.get(v, i));
            }
            b.append(']');
        } else if (v instanceof Color) {
            b.append("Color.").append(((Color) v).value());
        } else if (v instanceof TypeCode) {
            b.append("TypeCode(").append(((TypeCode) v).kind().value()).append(')');
        } else if (v instanceof org.omg.CORBA.Object) {
            b.append("reference");
        } else if (v instanceof Any) {
            b.append("any");
        } else {
            Class<?> c = v.getClass();
            b.append(c.getSimpleName()).append('{');
            try {
                Field disc = null;
                try {
                    disc = c.getDeclaredField("__discriminator");
                } catch (NoSuchFieldException e) {
                    // not a union
                }
                if (disc != null) {
                    Field init = c.getDeclaredField("__initialized");
                    Field value = c.getDeclaredField("__value");
                    init.setAccessible(true);
                    disc.setAccessible(true);
                    value.setAccessible(true);
                    if (!init.getBoolean(v)) {
                        b.append("uninitialized}");
                        return;
                    }
                    show(b, disc.get(v));
                    b.append(':');
                    Object held = value.get(v);
                    if (held != null && held.getClass().getName().endsWith("Holder")) {
                        held = held.getClass().getField("value").get(held);
                    }
                    show(b, held);
                } else {
                    boolean first = true;
                    for (Field f : c.getDeclaredFields()) {
                        int m = f.getModifiers();
                        if (!Modifier.isPublic(m) || Modifier.isStatic(m)) continue;
                        if (!first) b.append(',');
                        first = false;
                        show(b, f.get(v));
                    }
                }
            } catch (ReflectiveOperationException e) {
                throw new RuntimeException(e);
            }
            b.append('}');
        }
    }

    // ---- The values. ----------------------------------------------------

    static String latin1() {
        StringBuilder b = new StringBuilder();
        for (char c = 1; c < 256; c++) b.append(c);
        return b.toString();
    }

    static String longText() {
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < 7000; i++) b.append("0123456789");
        return b.toString();
    }

    static short vShort(int k) { return k == 1 ? Short.MIN_VALUE : k == 2 ? Short.MAX_VALUE : 0x1234; }
    static short vUshort(int k) { return k == 1 ? 0 : k == 2 ? (short) 65535 : (short) 0x8000; }
    static int vLong(int k) { return k == 1 ? Integer.MIN_VALUE : k == 2 ? Integer.MAX_VALUE : 0x12345678; }
    static int vUlong(int k) { return k == 1 ? 0 : k == 2 ? -1 : 0x80000000; }
    static long vLonglong(int k) { return k == 1 ? Long.MIN_VALUE : k == 2 ? Long.MAX_VALUE : 0x0123456789abcdefL; }
    static long vUlonglong(int k) { return k == 1 ? 0 : k == 2 ? -1L : Long.MIN_VALUE; }
    static float vFloat(int k) { return k == 1 ? -Float.MAX_VALUE : k == 2 ? Float.MIN_NORMAL : Float.MIN_VALUE; }
    static double vDouble(int k) { return k == 1 ? -Double.MAX_VALUE : k == 2 ? Double.MIN_NORMAL : Double.MIN_VALUE; }
    static boolean vBoolean(int k) { return k != 2; }
    static char vChar(int k) { return k == 1 ? (char) 0 : k == 2 ? (char) 0xff : 'Q'; }
    static byte vOctet(int k) { return k == 1 ? 0 : k == 2 ? (byte) 255 : (byte) 0x80; }
    static String vString(int k) { return k == 1 ? latin1() : k == 2 ? longText() : ""; }
    static String vName(int k) { return k == 1 ? "12345678" : k == 2 ? "" : "Z\u00fcrich"; }
    static Color vColor(int k) { return k == 1 ? Color.RED : k == 2 ? Color.BLUE : Color.GREEN; }

    // Fixed-point values: 31 digits of both signs, at a scale and at zero
    // scale, and the smallest non-zero value and zero.
    static java.math.BigDecimal vBig31(int k) {
        return new java.math.BigDecimal(k == 1 ? "-999999999999999999999.9999999999"
                                        : k == 2 ? "123456789012345678901.2345678901" : "0.0000000001");
    }
    static java.math.BigDecimal vWhole31(int k) {
        return new java.math.BigDecimal(k == 1 ? "9999999999999999999999999999999"
                                        : k == 2 ? "-1234567890123456789012345678901" : "0");
    }
    static java.math.BigDecimal vSmall5(int k) {
        return new java.math.BigDecimal(k == 1 ? "-99999" : k == 2 ? "99999" : "-1");
    }

    static Fixeds vFixeds(int k) {
        // Each member takes another of the three values.
        return new Fixeds(vBig31(k), vWhole31(k % 3 + 1), vSmall5((k + 1) % 3 + 1));
    }

    static Prims vPrims(int k) {
        return new Prims(vShort(k), vUshort(k), vLong(k), vUlong(k), vLonglong(k), vUlonglong(k), vFloat(k),
                         vDouble(k), vBoolean(k), vChar(k), vOctet(k));
    }

    static Texts vTexts(int k) { return new Texts(vString(k), vName(k)); }

    static Nested vNested(int k) { return new Nested(vColor(k), vPrims(k), vTexts(k)); }

    @SuppressWarnings("unchecked")
    static <T> T[] reversed(T[] a, int k) {
        if (k == 3) return (T[]) Array.newInstance(a.getClass().getComponentType(), 0);
        if (k == 2) {
            for (int i = 0, j = a.length - 1; i < j; i++, j--) {
                T t = a[i];
                a[i] = a[j];
                a[j] = t;
            }
        }
        return a;
    }

    // Every branch of every union, in order; value 2 has each list reversed
    // and value 3 has them all empty.
    static AllUnions vUnions(int k) {
        UBool ub1 = new UBool(), ub2 = new UBool();
        ub1.yes(-5);
        ub2.no("nein");
        UChar uc1 = new UChar(), uc2 = new UChar(), uc3 = new UChar(), uc4 = new UChar();
        uc1.a(42);
        uc2.bc("bee");
        uc3.other('c', -0.5);
        uc4.other('z', 2.5);
        UShort us1 = new UShort(), us2 = new UShort();
        us1.low(Integer.MIN_VALUE);
        us2.one(vTexts(1));
        UUShort uus1 = new UUShort(), uus2 = new UUShort(), uus3 = new UUShort();
        uus1.top(vPrims(2));
        uus2.one(-1);
        uus3.other((short) 3, Color.BLUE);
        ULong ul1 = new ULong(), ul2 = new ULong();
        ul1.neg(Color.RED);
        ul2.pos("pos");
        UULong uul1 = new UULong(), uul2 = new UULong();
        uul1.top("top");
        uul2.other(9, -9);
        ULongLong ull1 = new ULongLong(), ull2 = new ULongLong();
        ull1.big(1e300);
        ull2.one(true);
        UULongLong uull1 = new UULongLong(), uull2 = new UULongLong(), uull3 = new UULongLong();
        uull1.top((byte) 0xab);
        uull2.other(0L, "zero");
        uull3.other(-1L, "high");
        UColor uco1 = new UColor(), uco2 = new UColor();
        uco1.r(77);
        uco2.g(vNested(1));
        UColorDefault ucd1 = new UColorDefault(), ucd2 = new UColorDefault(), ucd3 = new UColorDefault();
        ucd1.b("blue");
        ucd2.rest(Color.RED, (short) 11);
        ucd3.rest(Color.GREEN, (short) 22);
        return new AllUnions(reversed(new UBool[] {ub1, ub2}, k), reversed(new UChar[] {uc1, uc2, uc3, uc4}, k),
                             reversed(new UShort[] {us1, us2}, k), reversed(new UUShort[] {uus1, uus2, uus3}, k),
                             reversed(new ULong[] {ul1, ul2}, k), reversed(new UULong[] {uul1, uul2}, k),
                             reversed(new ULongLong[] {ull1, ull2}, k),
                             reversed(new UULongLong[] {uull1, uull2, uull3}, k),
                             reversed(new UColor[] {uco1, uco2}, k),
                             reversed(new UColorDefault[] {ucd1, ucd2, ucd3}, k));
    }

    static UChar vUchar(int k) {
        UChar u = new UChar();
        if (k == 1) u.a(42);
        else if (k == 2) u.other('z', 2.5);
        else u.bc("sea");
        return u;
    }

    static UMulti vMulti(int k) {
        UMulti u = new UMulti();
        if (k == 1) u.two_or_three("two");
        else if (k == 2) u.two_or_three(3, "three");
        else u.rest(9, (byte) 0x7f);
        return u;
    }

    static int[] vLongs(int k) {
        return k == 1 ? new int[] {Integer.MIN_VALUE, 0, Integer.MAX_VALUE} : k == 2 ? new int[0] : new int[] {7};
    }

    static String[] vNames(int k) {
        return k == 1 ? new String[] {"one", "", "three"} : k == 2 ? new String[0] : new String[] {"x"};
    }

    static int[][] vGrid(int k) {
        int[][] g = new int[2][3];
        for (int i = 0; i < 2; i++)
            for (int j = 0; j < 3; j++)
                g[i][j] = k == 1 ? i * 3 + j + 1
                        : k == 2 ? -(i * 3 + j + 1) : (j == 0 ? Integer.MIN_VALUE : j == 1 ? Integer.MAX_VALUE : 0);
        return g;
    }

    static Collections vCollections(int k) {
        Collections c = new Collections();
        c.ls = vLongs(k);
        c.names = vNames(k);
        if (k == 1) {
            c.shorts = new short[][] {{1, 2, 3}, {}, {-1}};
            c.ngrid = new String[][] {{"a", "b"}, {}, {"12345678"}};
            c.plist = new Prims[] {vPrims(1), vPrims(2)};
            c.bytes = new byte[256];
            for (int i = 0; i < 256; i++) c.bytes[i] = (byte) i;
            c.colors = new Color[] {Color.BLUE, Color.RED, Color.GREEN};
            c.doubles = new double[] {Double.POSITIVE_INFINITY, -0.0};
        } else {
            c.shorts = new short[0][];
            c.ngrid = new String[][] {{}, {}, {}, {"x", "y"}};
            c.plist = new Prims[0];
            c.bytes = new byte[0];
            c.colors = k == 3 ? new Color[] {Color.GREEN} : new Color[0];
            c.doubles = new double[] {Double.NaN, Double.NEGATIVE_INFINITY};
        }
        c.g = vGrid(k);
        c.w = new String[2][2][2];
        for (int i = 0; i < 2; i++)
            for (int j = 0; j < 2; j++)
                for (int l = 0; l < 2; l++)
                    c.w[i][j][l] = k == 1 ? "w" + i + j + l : k == 2 ? "" : "\u00e9t\u00e9";
        c.c = new Nested[1][2][2];
        for (int j = 0; j < 2; j++)
            for (int l = 0; l < 2; l++) c.c[0][j][l] = vNested(k == 1 ? ((j + l) % 2 == 1 ? 2 : 1) : k);
        c.flags = new boolean[3];
        for (int i = 0; i < 3; i++) c.flags[i] = k == 1 ? i != 1 : k == 2 && i == 1;
        return c;
    }

    static Tree leaf(String label) {
        return new Tree(label, new Tree[0]);
    }

    static Tree vTree(int k) {
        if (k == 1) {
            Tree mid = new Tree("mid", new Tree[] {leaf("deep1"), leaf("deep2")});
            return new Tree("root", new Tree[] {leaf("first"), mid});
        }
        if (k == 2) {
            Tree chain = leaf("c4");
            for (int i = 3; i >= 0; i--) chain = new Tree("c" + i, new Tree[] {chain});
            return new Tree("", new Tree[] {chain});
        }
        return leaf("single");
    }

    static TypeCode vTypecode(int k) {
        return k == 1 ? NestedHelper.type() : k == 2 ? CollectionsHelper.type() : k == 3 ? AllUnionsHelper.type()
                                                                           : FailureHelper.type();
    }

    static Failure vFailure() {
        return new Failure(-1, latin1(), vPrims(2), vLongs(1));
    }

    // The table of anys: kind k holds the value below; kind 23 a reference
    // to the peer given, kind 24 a nil reference.  Kinds 30 and 31 hold
    // fixed-point values (quorvex's -fcorba3).  (Tree is not among them:
    // TreeHelper.type() calls itself for the recursive member and never
    // returns, so a recursive type cannot go into an any.  No exception is
    // in the table either: omniORB writes an exception's members in an any,
    // quorvex's helpers the repository identifier first.)
    static final int ANY_KINDS = 32;

    static int anyKind(int which, int step) {
        return (which + step) % ANY_KINDS;
    }

    static Any vAny(int k, Peer peer) {
        Any a = ORB.init().create_any();
        switch (k) {
            case 0: break;
            case 1: a.insert_short(vShort(1)); break;
            case 2: a.insert_ushort(vUshort(2)); break;
            case 3: a.insert_long(vLong(1)); break;
            case 4: a.insert_ulong(vUlong(2)); break;
            case 5: a.insert_longlong(vLonglong(1)); break;
            case 6: a.insert_ulonglong(vUlonglong(2)); break;
            case 7: a.insert_float(vFloat(1)); break;
            case 8: a.insert_double(vDouble(2)); break;
            case 9: a.insert_boolean(true); break;
            case 10: a.insert_char(vChar(2)); break;
            case 11: a.insert_octet(vOctet(3)); break;
            case 12: a.insert_string(latin1()); break;
            case 13: Name8Helper.insert(a, "12345678"); break;
            case 14: ColorHelper.insert(a, Color.BLUE); break;
            case 15: NestedHelper.insert(a, vNested(1)); break;
            case 16: UCharHelper.insert(a, vUchar(3)); break;
            case 17: AllUnionsHelper.insert(a, vUnions(1)); break;
            case 18: LongsHelper.insert(a, vLongs(1)); break;
            case 19: GridHelper.insert(a, vGrid(1)); break;
            case 20: CollectionsHelper.insert(a, vCollections(1)); break;
            case 21: TextsHelper.insert(a, vTexts(3)); break;
            case 22: a.insert_TypeCode(CollectionsHelper.type()); break;
            case 23: PeerHelper.insert(a, peer); break;
            case 24: PeerHelper.insert(a, null); break;
            case 25: {
                Any inner = ORB.init().create_any();
                inner.insert_long(42);
                a.insert_any(inner);
                break;
            }
            case 26: PrimsHelper.insert(a, vPrims(3)); break;
            case 27: Names3Helper.insert(a, vNames(1)); break;
            case 28: TreeHelper.insert(a, vTree(1)); break;
            case 29: UMultiHelper.insert(a, vMulti(1)); break;
            case 30: Big31Helper.insert(a, vBig31(1)); break;
            case 31: FixedsHelper.insert(a, vFixeds(2)); break;
            default: throw new IllegalArgumentException("any kind " + k);
        }
        return a;
    }

    // The value an any of kind k holds, extracted by the type it should have.
    static Object extract(Any a, int k) {
        switch (k) {
            case 0: return null;
            case 1: return a.extract_short();
            case 2: return a.extract_ushort();
            case 3: return a.extract_long();
            case 4: return a.extract_ulong();
            case 5: return a.extract_longlong();
            case 6: return a.extract_ulonglong();
            case 7: return a.extract_float();
            case 8: return a.extract_double();
            case 9: return a.extract_boolean();
            case 10: return a.extract_char();
            case 11: return a.extract_octet();
            case 12: return a.extract_string();
            case 13: return Name8Helper.extract(a);
            case 14: return ColorHelper.extract(a);
            case 15: return NestedHelper.extract(a);
            case 16: return UCharHelper.extract(a);
            case 17: return AllUnionsHelper.extract(a);
            case 18: return LongsHelper.extract(a);
            case 19: return GridHelper.extract(a);
            case 20: return CollectionsHelper.extract(a);
            case 21: return TextsHelper.extract(a);
            case 22: return a.extract_TypeCode();
            case 23: case 24: return PeerHelper.extract(a);
            case 25: return a.extract_any().extract_long();
            case 26: return PrimsHelper.extract(a);
            case 27: return Names3Helper.extract(a);
            case 28: return TreeHelper.extract(a);
            case 29: return UMultiHelper.extract(a);
            case 30: return Big31Helper.extract(a);
            case 31: return FixedsHelper.extract(a);
            default: throw new IllegalArgumentException("any kind " + k);
        }
    }

    // The type codes quorvex's helpers build leave out typedefs of members
    // and the bounds of strings; two type codes have the same shape when
    // they agree but for those.
    static TypeCode unaliased(TypeCode t) throws Exception {
        while (t.kind() == TCKind.tk_alias) t = t.content_type();
        return t;
    }

    static boolean sameShape(TypeCode a, TypeCode b, int depth) throws Exception {
        if (depth > 32) return true;
        a = unaliased(a);
        b = unaliased(b);
        if (a.kind() != b.kind()) return false;
        switch (a.kind().value()) {
            case TCKind._tk_struct: case TCKind._tk_except: case TCKind._tk_union: case TCKind._tk_enum:
                if (!a.id().equals(b.id()) || a.member_count() != b.member_count()) return false;
                if (a.kind() == TCKind.tk_union) {
                    if (!sameShape(a.discriminator_type(), b.discriminator_type(), depth + 1)) return false;
                    if (a.default_index() != b.default_index() && (a.default_index() >= 0 || b.default_index() >= 0))
                        return false;
                }
                for (int i = 0; i < a.member_count(); i++) {
                    if (!a.member_name(i).equals(b.member_name(i))) return false;
                    if (a.kind() != TCKind.tk_enum && !sameShape(a.member_type(i), b.member_type(i), depth + 1))
                        return false;
                }
                return true;
            case TCKind._tk_objref:
                return a.id().equals(b.id());
            case TCKind._tk_fixed:
                return a.fixed_digits() == b.fixed_digits() && a.fixed_scale() == b.fixed_scale();
            case TCKind._tk_sequence: case TCKind._tk_array:
                return a.length() == b.length() && sameShape(a.content_type(), b.content_type(), depth + 1);
            default:
                return true;
        }
    }

    private static final java.util.Set<String> noted = new java.util.HashSet<>();

    // Equal type codes, or ones of the same shape (reported once as a note).
    static boolean sameTc(TypeCode got, TypeCode want, String what) {
        if (got.equal(want)) return true;
        try {
            if (!sameShape(got, want, 0)) return false;
        } catch (Exception e) {
            return false;
        }
        synchronized (noted) {
            if (noted.add(what))
                System.out.println("NOTE: " + what + ": the type code has the IDL's shape but not its typedefs and bounds");
        }
        return true;
    }

    // Checks that the any holds kind k of the table; a reference is called.
    static void checkAny(Any a, int k, String where) {
        String what = where + " kind " + k;
        try {
            Any model = vAny(k, null);
            int cut = where.indexOf('(');
            if (!sameTc(a.type(), model.type(), (cut < 0 ? where : where.substring(0, cut)) + " kind " + k)) {
                check(false, what + ": type code of kind " + a.type().kind().value() + " is not the one expected");
                return;
            }
            Object got = extract(a, k);
            if (k == 22) {
                check(sameTc((TypeCode) got, CollectionsHelper.type(), (cut < 0 ? where : where.substring(0, cut)) + " kind 22 value"), what + ": not Collections's type code");
            } else if (k == 23) {
                check(got != null && ((Peer) got).ping(5) == 6, what + ": the reference does not answer ping");
            } else if (k == 24) {
                check(got == null, what + ": the nil reference is not null");
            } else if (k == 25) {
                check((Integer) got == 42, what + ": the inner any holds " + got);
            } else {
                same(got, extract(model, k), what);
            }
        } catch (RuntimeException e) {
            check(false, what + ": " + e);
        }
    }

    static boolean octetsOk(byte[] s, int n, StringBuilder why) {
        if (s.length != n) {
            why.append("length ").append(s.length).append(" for ").append(n);
            return false;
        }
        for (int i = 0; i < n; i++) {
            if (s[i] != (byte) (i * 7 + 3)) {
                why.append("octet ").append(i).append(" is ").append(s[i] & 0xff);
                return false;
            }
        }
        return true;
    }

    static byte[] octets(int n) {
        byte[] b = new byte[n];
        for (int i = 0; i < n; i++) b[i] = (byte) (i * 7 + 3);
        return b;
    }
}

import java.lang.reflect.Array;
import java.lang.reflect.Field;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.io.ByteArrayOutputStream;
import java.lang.reflect.Constructor;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.stream.Stream;
import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;
import org.omg.CORBA.Any;
import org.omg.CORBA.BAD_OPERATION;
import org.omg.CORBA.ORB;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import vemo.harl.cdr.CDROutputStream;

// Round trip of random programs' data types.  For every Helper class named
// in the list file, a value is built from the Helper's type code and the
// Java type its __write takes: every member filled, arrays at their length,
// sequences within their bound, every branch of a union in turn.  The value
// is written, read back and written again; both writings must be the same
// bytes, and the read must consume exactly what was written.  The same value
// also goes through insert and extract of an Any, through an Any written to
// a stream and read back (its value walked by the type code), and through
// a little-endian stream.
//
// Value types get values with state: the generated class of a value type
// is abstract, to be extended by the user, so each value type here gets a
// concrete subclass, written and compiled when the run starts (operations
// return defaults, custom marshalling writes nothing), and a factory of it
// registered under the type's repository identifier.  A value has every
// member filled; every other member that can hold the value itself does,
// so that it is written as an indirection back to it.  An abstract
// interface or abstract value type holds a value of a value type of it.
//
//     java RandomTrip helpers.txt
//
// Prints one line per failure and a count; exits 1 on any failure.
public class RandomTrip {
    private static final ORB orb = ORB.init();
    // Values made for one round trip.  Arrays must be full, but sequences
    // may be empty: once the budget is spent they are, so that nested
    // arrays and sequences cannot grow a value without bound.
    private static final int budget = 20000;
    private static int made = 0;
    private static int failures = 0;
    private static int trips = 0;
    // Round trips of a value type, or of an abstract interface carrying a
    // value, with a value that is not null; of fixed-point values.
    private static int valueTrips = 0;
    private static int abstractTrips = 0;
    private static int fixedTrips = 0;

    // A value type: its generated class, type code and concrete subclass.
    private static final class ValueKind {
        final Class<?> type;
        final TypeCode tc;
        Class<?> concrete;

        ValueKind(Class<?> type, TypeCode tc) {
            this.type = type;
            this.tc = tc;
        }
    }

    private static final List<ValueKind> valueKinds = new ArrayList<>();

    private static void fail(String helper, String what) {
        System.out.println("FAILED: " + helper + ": " + what);
        failures++;
    }

    private static TypeCode unalias(TypeCode tc) {
        while (tc.kind() == TCKind.tk_alias) tc = tc.content_type();
        return tc;
    }

    private static Object primitive(Class<?> c) {
        if (c == int.class) return 7;
        if (c == short.class) return (short) -3;
        if (c == long.class) return 1L << 40;
        if (c == float.class) return 2.5f;
        if (c == double.class) return -0.25;
        if (c == boolean.class) return true;
        if (c == char.class) return 'q';
        if (c == byte.class) return (byte) 0x81;
        throw new IllegalArgumentException("no value for " + c);
    }

    // A member of a type class, by its IDL name: reserved words carry an
    // underscore in Java.
    private static Field field(Class<?> c, String name) throws NoSuchFieldException {
        try {
            return c.getField(name);
        } catch (NoSuchFieldException e) {
            return c.getField("_" + name);
        }
    }

    private static Method setter(Class<?> c, String name, int arguments) throws NoSuchMethodException {
        for (String n : new String[] {name, "_" + name}) {
            for (Method m : c.getMethods()) {
                if (m.getName().equals(n) && m.getParameterCount() == arguments && m.getReturnType() == void.class) return m;
            }
        }
        throw new NoSuchMethodException(c.getName() + "." + name);
    }

    // Sets branch i of union v; false when no discriminator value selects it.
    private static boolean setBranch(Object v, Class<?> c, TypeCode tc, int i, int depth) throws Exception {
        Method m = setter(c, tc.member_name(i), 1);
        Object value = make(m.getParameterTypes()[0], tc.member_type(i), 0, depth + 1);
        try {
            m.invoke(v, value);
            return true;
        } catch (InvocationTargetException e) {
            // A default branch with no free discriminator value is set with
            // an explicit discriminator: the first one it takes.
            if (!(e.getCause() instanceof BAD_OPERATION)) throw e;
        }
        Method withLabel = setter(c, tc.member_name(i), 2);
        for (Object label : discriminators(withLabel.getParameterTypes()[0])) {
            try {
                withLabel.invoke(v, label, value);
                return true;
            } catch (InvocationTargetException refused) {
                if (!(refused.getCause() instanceof BAD_OPERATION)) throw refused;
            }
        }
        return false;
    }

    // Candidate discriminator values of type d, covering the labels random
    // programs use.
    private static List<Object> discriminators(Class<?> d) throws Exception {
        List<Object> values = new ArrayList<>();
        if (d == boolean.class) {
            values.add(true);
            values.add(false);
        } else if (d == char.class) {
            for (char ch = 'a'; ch <= 'h'; ch++) values.add(ch);
        } else if (d.isPrimitive()) {
            for (int n = -5; n < 20; n++) {
                if (d == int.class) values.add(n);
                else if (d == short.class) values.add((short) n);
                else values.add((long) n);
            }
        } else {
            Method fromInt = d.getMethod("from_int", int.class);
            try {
                for (int n = 0;; n++) values.add(fromInt.invoke(null, n));
            } catch (InvocationTargetException end) {
                // BAD_PARAM past the last enumerator.
            }
        }
        return values;
    }

    // The value of Java type c described by tc; branch picks the union
    // branch of the outermost union.
    static Object make(Class<?> c, TypeCode tc, int branch, int depth) throws Exception {
        tc = unalias(tc);
        if (depth > 200) throw new IllegalStateException("type nested too deeply");
        if (tc.kind() == TCKind.tk_value_box) {
            // A boxed value: every third one null; a box class holds the
            // boxed value in its field `value`, otherwise the value is of
            // the boxed type itself.
            if (branch % 3 == 2) return null;
            if (org.omg.CORBA.portable.ValueBase.class.isAssignableFrom(c)) {
                Class<?> boxed = c.getField("value").getType();
                return c.getConstructor(boxed).newInstance(make(boxed, tc.content_type(), branch, depth + 1));
            }
            return make(c, tc.content_type(), branch, depth + 1);
        }
        if (tc.kind() == TCKind.tk_value || tc.kind() == TCKind.tk_abstract_interface)
            return value(c, branch, depth);
        made++;
        if (c.isPrimitive()) return primitive(c);
        if (c == String.class) return "s";
        if (c == java.math.BigDecimal.class) {
            // As many nines as the digits allow, at the type's scale;
            // negative on odd branches.
            java.math.BigInteger nines = new java.math.BigInteger("9".repeat(tc.fixed_digits()));
            java.math.BigDecimal v = new java.math.BigDecimal(nines, tc.fixed_scale());
            return branch % 2 == 1 ? v.negate() : v;
        }
        if (c == Any.class) {
            Any a = orb.create_any();
            a.insert_long(5);
            return a;
        }
        if (c == TypeCode.class) return orb.get_primitive_tc(TCKind.tk_short);
        if (c.isArray()) {
            int n;
            if (tc.kind() == TCKind.tk_array) {
                n = tc.length();
            } else {
                n = made > budget ? 0 : tc.length() == 0 ? 2 : Math.min(2, tc.length());
            }
            Object array = Array.newInstance(c.getComponentType(), n);
            for (int i = 0; i < n; i++) Array.set(array, i, make(c.getComponentType(), tc.content_type(), i, depth + 1));
            return array;
        }
        TCKind kind = tc.kind();
        if (kind == TCKind.tk_objref) return null;
        if (kind == TCKind.tk_enum) return c.getMethod("from_int", int.class).invoke(null, tc.member_count() - 1);
        if (kind == TCKind.tk_struct || kind == TCKind.tk_except) {
            Object v = c.getConstructor().newInstance();
            for (int i = 0; i < tc.member_count(); i++) {
                Field f = field(c, tc.member_name(i));
                f.set(v, make(f.getType(), tc.member_type(i), i, depth + 1));
            }
            return v;
        }
        if (kind == TCKind.tk_union) {
            // The branch asked for, or the next one a value can take (a
            // default branch whose labels cover every value cannot).
            for (int k = 0; k < tc.member_count(); k++) {
                Object v = c.getConstructor().newInstance();
                if (setBranch(v, c, tc, (branch + k) % tc.member_count(), depth)) return v;
            }
            throw new IllegalStateException("no branch of " + c.getName() + " can be set");
        }
        throw new IllegalArgumentException("no value for " + c + " of kind " + kind.value());
    }

    // A value of a value type that is (or implements) `declared`: which of
    // them depends on the branch.  Null once values nest deep or the
    // budget is spent, and when no value type is of `declared` (an
    // abstract interface only objects support).
    static Object value(Class<?> declared, int branch, int depth) throws Exception {
        if (depth > 12 || made > budget) return null;
        List<ValueKind> fit = new ArrayList<>();
        for (ValueKind k : valueKinds) {
            if (k.type == declared) fit.add(0, k);
            else if (declared.isAssignableFrom(k.type)) fit.add(k);
        }
        if (fit.isEmpty()) return null;
        ValueKind k = fit.get(branch % fit.size());
        made++;
        Object v = k.concrete.getConstructor().newInstance();
        fill(v, k.tc, branch, depth);
        return v;
    }

    // The state of value v by its type code, the concrete base's first.
    private static void fill(Object v, TypeCode tc, int branch, int depth) throws Exception {
        TypeCode base = tc.concrete_base_type();
        if (base != null && unalias(base).kind() == TCKind.tk_value) fill(v, unalias(base), branch, depth);
        for (int i = 0; i < tc.member_count(); i++) {
            Field f = stateField(v.getClass(), tc.member_name(i));
            Class<?> t = f.getType();
            f.set(v, t.isInstance(v) && (branch + i) % 2 == 0 ? v : make(t, tc.member_type(i), branch + i, depth + 1));
        }
    }

    // A state member, public or not, of a value's class or a superclass.
    private static Field stateField(Class<?> c, String name) throws NoSuchFieldException {
        for (Class<?> k = c; k != null; k = k.getSuperclass()) {
            for (String n : new String[] {name, "_" + name}) {
                try {
                    Field f = k.getDeclaredField(n);
                    f.setAccessible(true);
                    return f;
                } catch (NoSuchFieldException e) {
                    // not declared here
                }
            }
        }
        throw new NoSuchFieldException(c.getName() + "." + name);
    }

    // The abstract methods a concrete subclass of c must implement.
    private static List<Method> abstractMethods(Class<?> c) {
        Map<String, Method> found = new LinkedHashMap<>();
        for (Method m : c.getMethods()) {
            String key = m.getName() + Arrays.toString(m.getParameterTypes());
            if (found.containsKey(key)) continue;
            try {
                Method most = c.getMethod(m.getName(), m.getParameterTypes());
                if (Modifier.isAbstract(most.getModifiers())) found.put(key, most);
            } catch (NoSuchMethodException e) {
                throw new IllegalStateException(e);
            }
        }
        return new ArrayList<>(found.values());
    }

    private static String javaName(Class<?> c) {
        return c.getCanonicalName();
    }

    private static String defaultValue(Class<?> c) {
        if (c == boolean.class) return "false";
        if (c == char.class) return "(char) 0";
        return c.isPrimitive() ? "0" : "null";
    }

    // The source of a concrete subclass of value class c.
    private static String concreteSource(String name, Class<?> c) {
        StringBuilder b = new StringBuilder();
        b.append("public class ").append(name).append(" extends ").append(javaName(c)).append(" {\n");
        for (Method m : abstractMethods(c)) {
            b.append("    public ").append(javaName(m.getReturnType())).append(' ').append(m.getName()).append('(');
            Class<?>[] p = m.getParameterTypes();
            for (int i = 0; i < p.length; i++) b.append(i > 0 ? ", " : "").append(javaName(p[i])).append(" p").append(i);
            b.append(") {");
            if (m.getReturnType() != void.class) b.append(" return ").append(defaultValue(m.getReturnType())).append(';');
            b.append(" }\n");
        }
        return b.append("}\n").toString();
    }

    private static Method helperMethod(Class<?> helper, String name, int parameters) {
        for (Method m : helper.getMethods()) {
            if (Modifier.isStatic(m.getModifiers()) && m.getName().equals(name) && m.getParameterCount() == parameters)
                return m;
        }
        return null;
    }

    // Finds the value types among the Helpers, compiles a concrete subclass
    // of each into dir and registers a factory of it.
    private static void prepareValues(List<Class<?>> helpers, Path dir) throws Exception {
        List<String> args = new ArrayList<>(Arrays.asList("-nowarn", "-encoding", "UTF-8", "-proc:none", "-cp",
                                                          System.getProperty("java.class.path"), "-d", dir.toString()));
        for (Class<?> h : helpers) {
            Method writer = helperMethod(h, "__write", 2);
            Method type = helperMethod(h, "type", 0);
            if (writer == null || type == null) continue;
            TypeCode tc = (TypeCode) type.invoke(null);
            Class<?> c = writer.getParameterTypes()[1];
            // Abstract value types are interfaces; a typedef's Helper
            // names a value type that has its own.
            if (tc.kind() != TCKind.tk_value || c.isInterface()) continue;
            String name = "Concrete" + valueKinds.size();
            Path source = dir.resolve(name + ".java");
            Files.write(source, concreteSource(name, c).getBytes(StandardCharsets.UTF_8));
            args.add(source.toString());
            valueKinds.add(new ValueKind(c, tc));
        }
        if (valueKinds.isEmpty()) return;
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        if (javac == null) throw new IllegalStateException("this Java runtime has no compiler for the value types");
        ByteArrayOutputStream messages = new ByteArrayOutputStream();
        if (javac.run(null, messages, messages, args.toArray(new String[0])) != 0)
            throw new IllegalStateException("the value types' subclasses do not compile:\n" + messages);
        URLClassLoader loader = new URLClassLoader(new URL[] {dir.toUri().toURL()}, RandomTrip.class.getClassLoader());
        for (int i = 0; i < valueKinds.size(); i++) {
            ValueKind k = valueKinds.get(i);
            k.concrete = Class.forName("Concrete" + i, true, loader);
            Constructor<?> make = k.concrete.getConstructor();
            orb.register_value_factory(k.tc.id(), in -> {
                try {
                    return in.read_value((java.io.Serializable) make.newInstance());
                } catch (ReflectiveOperationException e) {
                    throw new IllegalStateException(e);
                }
            });
        }
    }

    // Whether a type code holds a fixed-point type anywhere but inside a
    // value (whose state may be left out).
    private static boolean hasFixed(TypeCode tc, int depth) throws Exception {
        tc = unalias(tc);
        if (depth > 20) return false;
        switch (tc.kind().value()) {
            case TCKind._tk_fixed:
                return true;
            case TCKind._tk_struct: case TCKind._tk_except: case TCKind._tk_union:
                for (int i = 0; i < tc.member_count(); i++)
                    if (hasFixed(tc.member_type(i), depth + 1)) return true;
                return false;
            case TCKind._tk_sequence: case TCKind._tk_array: case TCKind._tk_value_box:
                return hasFixed(tc.content_type(), depth + 1);
            default:
                return false;
        }
    }

    private static byte[] write(Method writer, Object v) throws Exception {
        OutputStream out = orb.create_output_stream();
        writer.invoke(null, out, v);
        return ((CDROutputStream) out).toByteArray();
    }

    private static void trip(Class<?> helper) throws Exception {
        Method writer = null;
        Method reader = null;
        for (Method m : helper.getMethods()) {
            if (!Modifier.isStatic(m.getModifiers())) continue;
            if (m.getName().equals("__write") && m.getParameterCount() == 2) writer = m;
            if (m.getName().equals("__read") && m.getParameterCount() == 1) reader = m;
        }
        // A type class whose name ends in Helper is not a Helper.
        if (writer == null || reader == null) return;
        TypeCode tc = (TypeCode) helper.getMethod("type").invoke(null);
        Class<?> type = writer.getParameterTypes()[1];
        TypeCode bare = unalias(tc);
        // A local interface's reference never travels.
        if (bare.kind() == TCKind.tk_local_interface) return;
        // A value type's two branches differ in the members that hold the
        // value itself.
        int branches = bare.kind() == TCKind.tk_union ? bare.member_count() : bare.kind() == TCKind.tk_value ? 2 : 1;
        for (int b = 0; b < branches; b++) {
            made = 0;
            Object v = make(type, tc, b, 0);
            if (v != null && bare.kind() == TCKind.tk_value) valueTrips++;
            if (v != null && bare.kind() == TCKind.tk_abstract_interface) abstractTrips++;
            if (hasFixed(tc, 0)) fixedTrips++;
            OutputStream out = orb.create_output_stream();
            writer.invoke(null, out, v);
            InputStream in = out.create_input_stream();
            byte[] first = ((CDROutputStream) out).toByteArray();
            Object back = reader.invoke(null, in);
            if (in.available() != 0) fail(helper.getName(), "read leaves " + in.available() + " bytes (branch " + b + ")");
            if (!Arrays.equals(first, write(writer, back))) fail(helper.getName(), "read and written again differs (branch " + b + ")");
            Any any = orb.create_any();
            helper.getMethod("insert", Any.class, type).invoke(null, any, v);
            Object extracted = helper.getMethod("extract", Any.class).invoke(null, any);
            if (!Arrays.equals(first, write(writer, extracted))) fail(helper.getName(), "through an Any differs (branch " + b + ")");
            // Through an any on a stream: the value travels by its type code.
            List<String> wire = new ArrayList<>();
            try {
                OutputStream aout = orb.create_output_stream();
                aout.write_octet((byte) 1);  // the any's value no longer aligned as it was
                aout.write_any(any);
                InputStream ain = aout.create_input_stream();
                ain.read_octet();
                Any wired = ain.read_any();
                if (ain.available() != 0) wire.add("any read leaves " + ain.available() + " bytes");
                if (!wired.type().equal(any.type())) wire.add("any's type code read back differs");
                if (!wired.equal(any)) wire.add("any read back is not equal");
                if (!Arrays.equals(first, write(writer, helper.getMethod("extract", Any.class).invoke(null, wired))))
                    wire.add("through an Any on a stream differs");
            } catch (InvocationTargetException e) {
                wire.add(e.getCause().toString());
            } catch (RuntimeException e) {
                wire.add(e.toString());
            }
            for (String w : wire) fail(helper.getName(), w + " (branch " + b + ")");
            CDROutputStream little = new CDROutputStream(orb, 2, true);
            writer.invoke(null, little, v);
            if (!Arrays.equals(first, write(writer, reader.invoke(null, little.create_input_stream()))))
                fail(helper.getName(), "through a little-endian stream differs (branch " + b + ")");
            trips++;
        }
    }

    public static void main(String[] args) throws Exception {
        List<String> names = Files.readAllLines(Paths.get(args[0]));
        List<Class<?>> helpers = new ArrayList<>();
        for (String name : names) {
            if (!name.isEmpty()) helpers.add(Class.forName(name));
        }
        Path dir = Files.createTempDirectory("random-values-");
        try {
            prepareValues(helpers, dir);
            for (Class<?> helper : helpers) {
                try {
                    trip(helper);
                } catch (InvocationTargetException e) {
                    fail(helper.getName(), e.getCause().toString());
                    e.getCause().printStackTrace(System.out);
                } catch (Exception e) {
                    fail(helper.getName(), e.toString());
                    e.printStackTrace(System.out);
                }
            }
        } finally {
            try (Stream<Path> files = Files.walk(dir)) {
                files.sorted(Comparator.reverseOrder()).forEach(p -> p.toFile().delete());
            }
        }
        System.out.println(valueTrips + " of value types, " + abstractTrips + " of abstract interfaces carrying a value, "
                           + fixedTrips + " holding fixed-point values");
        System.out.println(trips + " round trips, " + failures + " failed");
        System.exit(failures == 0 ? 0 : 1);
    }
}

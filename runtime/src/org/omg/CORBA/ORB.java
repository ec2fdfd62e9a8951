package org.omg.CORBA;

import java.util.HashSet;
import java.util.Set;

/**
 * The object request broker.  ORB.init() is the shared factory of type
 * codes, anys and streams that generated code calls; it has no network.
 * ORB.init(args, props) makes a full ORB that turns strings into
 * references and back, serves objects and calls them; the network calls
 * of the factory raise NO_IMPLEMENT.  Both are found by class name, as
 * org.omg.CORBA.ORBSingletonClass and org.omg.CORBA.ORBClass say, the
 * runtime's own classes by default (vemo.harl.orb.FactoryORB and
 * vemo.harl.orb.FullORB, both org.omg.CORBA_2_3.ORB instances): this class
 * names no implementation.
 */
public class ORB {
    // The runtime's own classes: the factory and the full ORB.
    private static final String FACTORY_CLASS = "vemo.harl.orb.FactoryORB";
    private static final String FULL_CLASS = "vemo.harl.orb.FullORB";

    private static volatile ORB factory;
    // The runtime's factory, which keeps the values of anys: ORB.init()'s
    // unless ORBSingletonClass names another class.
    private static volatile ORB anyFactory;

    // The primitive type codes, by kind number.
    private static final TypeCode[] primitives = new TypeCode[TCKind._tk_event + 1];
    private static final TypeCode objectTypeCode;

    static {
        int[] simple = {TCKind._tk_null, TCKind._tk_void, TCKind._tk_short, TCKind._tk_long, TCKind._tk_ushort,
                        TCKind._tk_ulong, TCKind._tk_float, TCKind._tk_double, TCKind._tk_boolean, TCKind._tk_char,
                        TCKind._tk_octet, TCKind._tk_any, TCKind._tk_TypeCode, TCKind._tk_Principal,
                        TCKind._tk_longlong, TCKind._tk_ulonglong, TCKind._tk_longdouble, TCKind._tk_wchar};
        for (int k : simple) primitives[k] = new TypeCode(TCKind.from_int(k));
        primitives[TCKind._tk_string] = bounded(TCKind.tk_string, 0);
        primitives[TCKind._tk_wstring] = bounded(TCKind.tk_wstring, 0);
        objectTypeCode = new TypeCode(TCKind.tk_objref, "IDL:omg.org/CORBA/Object:1.0", "Object", null, null, null,
                                      null, null, -1, null, 0, (short) 0, (short) 0, (short) 0, null, null);
        primitives[TCKind._tk_objref] = objectTypeCode;
    }

    protected ORB() {
    }

    /**
     * The shared factory of type codes, anys and streams: an instance of
     * the class the system property org.omg.CORBA.ORBSingletonClass
     * names (the runtime's vemo.harl.orb.FactoryORB when it names none, or
     * names org.omg.CORBA.ORB or org.omg.CORBA_2_3.ORB), made once.
     */
    public static ORB init() {
        ORB f = factory;
        if (f == null) {
            synchronized (ORB.class) {
                f = factory;
                if (f == null) {
                    String cls = System.getProperty("org.omg.CORBA.ORBSingletonClass");
                    cls = cls == null ? "" : cls.trim();
                    if (cls.isEmpty() || cls.equals(ORB.class.getName()) || cls.equals("org.omg.CORBA_2_3.ORB"))
                        cls = FACTORY_CLASS;
                    f = make(cls, null, null);
                    factory = f;
                }
            }
        }
        return f;
    }

    /**
     * A full ORB with its settings from <code>-ORB<i>Name</i> value</code>
     * arguments and <code>vemo.harl.*</code> properties (the runtime's
     * README lists them); either may be null.  The class named by
     * org.omg.CORBA.ORBClass (a property, else a system property; the
     * runtime's vemo.harl.orb.FullORB when neither names one), made with
     * its (String[], Properties) constructor or else its constructor
     * without arguments.
     */
    public static ORB init(String[] args, java.util.Properties props) {
        String cls = props == null ? null : props.getProperty("org.omg.CORBA.ORBClass");
        if (cls == null) cls = System.getProperty("org.omg.CORBA.ORBClass");
        cls = cls == null ? "" : cls.trim();
        return make(cls.isEmpty() ? FULL_CLASS : cls, args, props);
    }

    // The runtime's factory, whose methods below keep the values of anys.
    static ORB anyFactory() {
        ORB f = anyFactory;
        if (f == null) {
            ORB i = init();
            synchronized (ORB.class) {
                f = anyFactory;
                if (f == null) {
                    f = i.getClass().getName().equals(FACTORY_CLASS) ? i : make(FACTORY_CLASS, null, null);
                    anyFactory = f;
                }
            }
        }
        return f;
    }

    // Makes an ORB of the class.  The runtime's own classes come from the
    // loader of this class, take the arguments and properties even when
    // both are null, and raise what their constructors raise; others come
    // from the thread's context loader, and any failure to make one is
    // INITIALIZE.
    private static ORB make(String cls, String[] args, java.util.Properties props) {
        boolean own = cls.equals(FACTORY_CLASS) || cls.equals(FULL_CLASS);
        try {
            ClassLoader loader = own || Thread.currentThread().getContextClassLoader() == null
                                 ? ORB.class.getClassLoader() : Thread.currentThread().getContextClassLoader();
            Class<?> c = Class.forName(cls, true, loader);
            if (!ORB.class.isAssignableFrom(c))
                throw new INITIALIZE("ORB class " + cls + " does not extend org.omg.CORBA.ORB", 0,
                                     CompletionStatus.COMPLETED_NO);
            if (args != null || props != null || own) {
                try {
                    return (ORB) c.getConstructor(String[].class, java.util.Properties.class).newInstance(args, props);
                } catch (NoSuchMethodException e) {
                    // the constructor without arguments
                }
            }
            return (ORB) c.getConstructor().newInstance();
        } catch (java.lang.reflect.InvocationTargetException e) {
            Throwable t = e.getCause();
            if (t instanceof SystemException) throw (SystemException) t;
            if (own && t instanceof RuntimeException) throw (RuntimeException) t;
            if (own && t instanceof Error) throw (Error) t;
            throw new INITIALIZE("cannot make the ORB " + cls + ": " + t, 0, CompletionStatus.COMPLETED_NO);
        } catch (ReflectiveOperationException | LinkageError e) {
            throw new INITIALIZE("cannot make the ORB " + cls + ": " + e, 0, CompletionStatus.COMPLETED_NO);
        }
    }

    private static BAD_PARAM badParam(String reason) {
        return new BAD_PARAM(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    private static TypeCode bounded(TCKind kind, int bound) {
        return new TypeCode(kind, null, null, null, null, null, null, null, -1, null, bound, (short) 0, (short) 0,
                            (short) 0, null, null);
    }

    private static String text(String s) {
        return s == null ? "" : s;
    }

    private static TypeCode check(TypeCode t, String what) {
        if (t == null) throw badParam("no type code for " + what);
        return t;
    }

    private static TypeCode made(TypeCode t) {
        TypeCode.bindRecursion(t);
        return t;
    }

    /**
     * The type code of a kind without parameters; tk_string and tk_wstring
     * give the unbounded strings, tk_objref the type code of
     * CORBA::Object.
     */
    public TypeCode get_primitive_tc(TCKind kind) {
        TypeCode t = kind == null ? null : primitives[kind.value()];
        if (t == null) throw badParam("no primitive type code of kind " + kind);
        return t;
    }

    private static void checkNames(String[] names, String what) {
        Set<String> seen = new HashSet<>();
        for (String n : names) {
            if (n != null && !n.isEmpty() && !seen.add(n.toLowerCase(java.util.Locale.ROOT)))
                throw badParam("member name " + n + " twice in " + what);
        }
    }

    private TypeCode members(TCKind kind, String id, String name, StructMember[] members) {
        if (members == null) throw badParam("no members for " + id);
        String[] names = new String[members.length];
        TypeCode[] types = new TypeCode[members.length];
        for (int i = 0; i < members.length; i++) {
            if (members[i] == null) throw badParam("member " + i + " of " + id + " missing");
            names[i] = text(members[i].name);
            types[i] = check(members[i].type, "member " + names[i] + " of " + id);
        }
        checkNames(names, id);
        return made(new TypeCode(kind, text(id), text(name), names, types, null, null, null, -1, null, 0, (short) 0,
                                 (short) 0, (short) 0, null, null));
    }

    public TypeCode create_struct_tc(String id, String name, StructMember[] members) {
        return members(TCKind.tk_struct, id, name, members);
    }

    public TypeCode create_exception_tc(String id, String name, StructMember[] members) {
        return members(TCKind.tk_except, id, name, members);
    }

    // The number a label or discriminator value stands for.
    private static long labelValue(Any label, TypeCode discriminator, String where) {
        TypeCode d = TypeCode.unaliased(discriminator);
        org.omg.CORBA.portable.InputStream in = label.get_input_stream();
        switch (TypeCode.unaliased(label.type()).kind().value()) {
            case TCKind._tk_boolean: return in.read_boolean() ? 1 : 0;
            case TCKind._tk_char: return in.read_char();
            case TCKind._tk_wchar: return in.read_wchar();
            case TCKind._tk_short: return in.read_short();
            case TCKind._tk_ushort: return in.read_ushort() & 0xFFFFL;
            case TCKind._tk_long: return in.read_long();
            case TCKind._tk_ulong: return in.read_ulong() & 0xFFFFFFFFL;
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: return in.read_longlong();
            case TCKind._tk_enum: {
                long v = in.read_ulong() & 0xFFFFFFFFL;
                if (d.kind().value() == TCKind._tk_enum && v >= d.member_count())
                    throw badParam(where + ": enumerator " + v + " beyond " + d.member_count());
                return v;
            }
            default:
                throw badParam(where + ": a label of kind " + label.type().kind());
        }
    }

    private static boolean discriminatorKind(TypeCode d) {
        switch (TypeCode.unaliased(d).kind().value()) {
            case TCKind._tk_boolean: case TCKind._tk_char: case TCKind._tk_wchar: case TCKind._tk_short:
            case TCKind._tk_ushort: case TCKind._tk_long: case TCKind._tk_ulong: case TCKind._tk_longlong:
            case TCKind._tk_ulonglong: case TCKind._tk_enum:
                return true;
            default:
                return false;
        }
    }

    /** A union: the member whose label is the octet 0 is the default member. */
    public TypeCode create_union_tc(String id, String name, TypeCode discriminator, UnionMember[] members) {
        check(discriminator, "the discriminator of " + id);
        if (!discriminatorKind(discriminator))
            throw badParam("a discriminator of kind " + discriminator.kind() + " in " + id);
        if (members == null) throw badParam("no members for " + id);
        String[] names = new String[members.length];
        TypeCode[] types = new TypeCode[members.length];
        Any[] labels = new Any[members.length];
        long[] values = new long[members.length];
        int defaultIndex = -1;
        Set<Long> used = new HashSet<>();
        for (int i = 0; i < members.length; i++) {
            UnionMember m = members[i];
            if (m == null) throw badParam("member " + i + " of " + id + " missing");
            names[i] = text(m.name);
            types[i] = check(m.type, "member " + names[i] + " of " + id);
            if (m.label == null) throw badParam("member " + names[i] + " of " + id + " has no label");
            labels[i] = m.label;
            if (m.label.type().kind().value() == TCKind._tk_octet) {
                if (defaultIndex >= 0) throw badParam("two default members in " + id);
                defaultIndex = i;
                continue;
            }
            values[i] = labelValue(m.label, discriminator, id);
            if (!used.add(values[i])) throw badParam("label " + values[i] + " twice in " + id);
        }
        return made(new TypeCode(TCKind.tk_union, text(id), text(name), names, types, labels, values, discriminator,
                                 defaultIndex, null, 0, (short) 0, (short) 0, (short) 0, null, null));
    }

    public TypeCode create_enum_tc(String id, String name, String[] members) {
        if (members == null) throw badParam("no enumerators for " + id);
        String[] names = new String[members.length];
        for (int i = 0; i < members.length; i++) names[i] = text(members[i]);
        checkNames(names, id);
        return new TypeCode(TCKind.tk_enum, text(id), text(name), names, null, null, null, null, -1, null, 0,
                            (short) 0, (short) 0, (short) 0, null, null);
    }

    public TypeCode create_alias_tc(String id, String name, TypeCode original) {
        check(original, "the alias " + id);
        return made(new TypeCode(TCKind.tk_alias, text(id), text(name), null, null, null, null, null, -1, original, 0,
                                 (short) 0, (short) 0, (short) 0, null, null));
    }

    private static TypeCode named(TCKind kind, String id, String name) {
        return new TypeCode(kind, text(id), text(name), null, null, null, null, null, -1, null, 0, (short) 0,
                            (short) 0, (short) 0, null, null);
    }

    public TypeCode create_interface_tc(String id, String name) {
        return named(TCKind.tk_objref, id, name);
    }

    public TypeCode create_abstract_interface_tc(String id, String name) {
        return named(TCKind.tk_abstract_interface, id, name);
    }

    public TypeCode create_local_interface_tc(String id, String name) {
        return named(TCKind.tk_local_interface, id, name);
    }

    public TypeCode create_native_tc(String id, String name) {
        return named(TCKind.tk_native, id, name);
    }

    public TypeCode create_string_tc(int bound) {
        if (bound < 0) throw badParam("string bound " + bound);
        return bound == 0 ? primitives[TCKind._tk_string] : bounded(TCKind.tk_string, bound);
    }

    public TypeCode create_wstring_tc(int bound) {
        if (bound < 0) throw badParam("wstring bound " + bound);
        return bound == 0 ? primitives[TCKind._tk_wstring] : bounded(TCKind.tk_wstring, bound);
    }

    public TypeCode create_fixed_tc(short digits, short scale) {
        if (digits < 1 || digits > 31 || scale > digits || scale < 0)
            throw badParam("fixed<" + digits + "," + scale + ">");
        return new TypeCode(TCKind.tk_fixed, null, null, null, null, null, null, null, -1, null, 0, digits, scale,
                            (short) 0, null, null);
    }

    /** A sequence; bound 0 for an unbounded one. */
    public TypeCode create_sequence_tc(int bound, TypeCode element) {
        if (bound < 0) throw badParam("sequence bound " + bound);
        check(element, "a sequence element");
        return made(new TypeCode(TCKind.tk_sequence, null, null, null, null, null, null, null, -1, element, bound,
                                 (short) 0, (short) 0, (short) 0, null, null));
    }

    public TypeCode create_array_tc(int length, TypeCode element) {
        if (length < 0) throw badParam("array length " + length);
        check(element, "an array element");
        return made(new TypeCode(TCKind.tk_array, null, null, null, null, null, null, null, -1, element, length,
                                 (short) 0, (short) 0, (short) 0, null, null));
    }

    /**
     * A placeholder for the struct, union or value type of the identifier,
     * usable only inside the type code built for that identifier.
     */
    public TypeCode create_recursive_tc(String id) {
        if (id == null) throw badParam("recursive type code without identifier");
        return new TypeCode(null, id, null, null, null, null, null, null, -1, null, 0, (short) 0, (short) 0,
                            (short) 0, null, null);
    }

    public TypeCode create_value_box_tc(String id, String name, TypeCode boxed) {
        check(boxed, "the value box " + id);
        return made(new TypeCode(TCKind.tk_value_box, text(id), text(name), null, null, null, null, null, -1, boxed, 0,
                                 (short) 0, (short) 0, (short) 0, null, null));
    }

    public TypeCode create_value_tc(String id, String name, short modifier, TypeCode base, ValueMember[] members) {
        if (members == null) throw badParam("no members for " + id);
        String[] names = new String[members.length];
        TypeCode[] types = new TypeCode[members.length];
        short[] access = new short[members.length];
        for (int i = 0; i < members.length; i++) {
            if (members[i] == null) throw badParam("member " + i + " of " + id + " missing");
            names[i] = text(members[i].name);
            types[i] = check(members[i].type, "member " + names[i] + " of " + id);
            access[i] = members[i].access;
        }
        return made(new TypeCode(TCKind.tk_value, text(id), text(name), names, types, null, null, null, -1, null, 0,
                                 (short) 0, (short) 0, modifier, base, access));
    }

    /** An empty {@link Any}. */
    public Any create_any() {
        return new Any();
    }

    /** An empty CDR stream of this ORB (big-endian, GIOP 1.2). */
    public org.omg.CORBA.portable.OutputStream create_output_stream() {
        throw implementation("create_output_stream");
    }

    // Value factories by repository identifier.  A stream of this ORB that
    // reads a value asks lookup_value_factory; a stream without an ORB asks
    // the factory ORB of ORB.init().
    private final java.util.concurrent.ConcurrentHashMap<String, org.omg.CORBA.portable.ValueFactory> valueFactories =
        new java.util.concurrent.ConcurrentHashMap<>();

    // Registers the factory of the value type with the identifier; gives
    // the factory registered before, or null.
    public org.omg.CORBA.portable.ValueFactory register_value_factory(String id,
                                                                       org.omg.CORBA.portable.ValueFactory f) {
        if (id == null || f == null) throw badParam("register_value_factory needs an identifier and a factory");
        org.omg.CORBA.portable.ValueFactory before = valueFactories.put(id, f);
        value_factory_registered(id, before, f);
        return before;
    }

    public void unregister_value_factory(String id) {
        if (id == null) throw badParam("unregister_value_factory needs an identifier");
        org.omg.CORBA.portable.ValueFactory before = valueFactories.remove(id);
        if (before == null) throw badParam("no value factory registered for " + id);
        value_factory_registered(id, before, null);
    }

    // The factory registered with this ORB; else one registered with
    // another ORB of this process; else the class <Name>DefaultFactory that
    // the identifier names (IDL:M/N:1.0 gives M.NDefaultFactory); else null.
    public org.omg.CORBA.portable.ValueFactory lookup_value_factory(String id) {
        if (id == null) return null;
        org.omg.CORBA.portable.ValueFactory f = valueFactories.get(id);
        return f != null ? f : value_factory_elsewhere(id);
    }

    // What the runtime's ORBs add to the registry: the factories of all
    // ORBs of the process, and the <Name>DefaultFactory classes.

    /** Told of each factory registered with this ORB (null: removed). */
    protected void value_factory_registered(String id, org.omg.CORBA.portable.ValueFactory before,
                                            org.omg.CORBA.portable.ValueFactory after) {
    }

    /** A factory of the identifier found beyond this ORB's registry, or null. */
    protected org.omg.CORBA.portable.ValueFactory value_factory_elsewhere(String id) {
        return null;
    }

    // The value of an Any as the runtime keeps it: Any asks these of the
    // runtime's factory (anyFactory()), which overrides them all.

    /** A stream that an any's value is written into, references kept aside. */
    protected org.omg.CORBA_2_3.portable.OutputStream create_any_stream() {
        throw implementation("create_any_stream");
    }

    /** The value written into a stream of create_any_stream(), as an any keeps it. */
    protected java.lang.Object any_value(org.omg.CORBA.portable.OutputStream written) {
        throw implementation("any_value");
    }

    /** A stream that reads a kept value; null for the empty value. */
    protected org.omg.CORBA.portable.InputStream any_input(java.lang.Object value) {
        throw implementation("any_input");
    }

    /** The value of type t that follows in the stream, kept. */
    protected java.lang.Object any_read(org.omg.CORBA.portable.InputStream in, TypeCode t) {
        throw implementation("any_read");
    }

    /** Writes a kept value of type t. */
    protected void any_write(java.lang.Object value, TypeCode t, org.omg.CORBA.portable.OutputStream out) {
        throw implementation("any_write");
    }

    /** Whether two kept values of type t are equal. */
    protected boolean any_equal(TypeCode t, java.lang.Object a, java.lang.Object b) {
        throw implementation("any_equal");
    }

    /** The Helper of a value box, by repository identifier, or null. */
    protected org.omg.CORBA.portable.BoxedValueHelper box_helper(String id) {
        return null;
    }

    private NO_IMPLEMENT implementation(String call) {
        return new NO_IMPLEMENT(call + " needs an ORB of the runtime, not " + getClass().getName(), 0,
                                CompletionStatus.COMPLETED_NO);
    }

    private static NO_IMPLEMENT network(String call) {
        return new NO_IMPLEMENT(call + " needs a full ORB: ORB.init(args, props)", 0, CompletionStatus.COMPLETED_NO);
    }

    // The network: a full ORB overrides these.

    /**
     * The reference a text names: an <code>IOR:</code> string, a
     * <code>corbaloc:</code> URL or a <code>corbaname:</code> URL resolved
     * through a naming service. Narrow it with the interface's Helper.
     */
    public org.omg.CORBA.Object string_to_object(String text) {
        throw network("string_to_object");
    }

    /** The <code>IOR:</code> string of a reference or of a connected servant. */
    public String object_to_string(org.omg.CORBA.Object obj) {
        throw network("object_to_string");
    }

    /**
     * Serves a servant (an instance of a skeleton's subclass) under a
     * transient object key, valid while this ORB runs; the object adapter
     * starts listening on the first call.
     */
    public void connect(org.omg.CORBA.Object servant) {
        throw network("connect");
    }

    /** Stops serving a servant: calls to it then raise OBJECT_NOT_EXIST. */
    public void disconnect(org.omg.CORBA.Object servant) {
        throw network("disconnect");
    }

    /** Serves requests until {@link #shutdown(boolean)}. */
    public void run() {
        throw network("run");
    }

    /**
     * Stops serving: with <code>waitForCompletion</code> the calls in
     * progress finish first; clients are told to close their connections.
     */
    public void shutdown(boolean waitForCompletion) {
        throw network("shutdown");
    }

    /** Shuts the ORB down and closes its client connections too. */
    public void destroy() {
        throw network("destroy");
    }

    public boolean work_pending() {
        throw network("work_pending");
    }

    public void perform_work() {
        throw network("perform_work");
    }

    /**
     * An initial reference by name, such as <code>NameService</code>: set with
     * <code>-ORBInitRef <i>Name</i>=<i>url</i></code> or the property
     * <code>vemo.harl.InitRef.<i>Name</i></code>; an unknown name raises
     * {@link org.omg.CORBA.ORBPackage.InvalidName}.
     */
    public org.omg.CORBA.Object resolve_initial_references(String name)
        throws org.omg.CORBA.ORBPackage.InvalidName {
        throw network("resolve_initial_references");
    }

    /** The names that {@link #resolve_initial_references(String)} knows. */
    public String[] list_initial_services() {
        throw network("list_initial_services");
    }
}

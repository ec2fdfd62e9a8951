package vemo.harl.giop;

import org.omg.CORBA.Any;
import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.Principal;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// How the argument arrays of a stub or skeleton travel, as an operation
// descriptor describes them.  Each entry of the descriptor is a type code
// ORed with a mode word (none for the result, which comes first when the
// operation has one); its class entry names the holder class of a value
// that travels as a holder.  Primitive values live in the long array,
// masked to their width; everything else in the object array.  Slots: the
// result takes index 0 of its array, primitive in parameters take the next
// long slots, every other parameter the next object slots; an attribute
// setter's value sits in index 1.  Object values whose entry names no
// class travel bare (string, any, TypeCode, Principal, object reference)
// when they are in parameters or the result, otherwise through the
// built-in holder of their kind; an object reference result travels bare
// even though its entry names the holder of its interface.
public final class Arguments {
    // One entry of a descriptor and where its value lives.
    public static final class Entry {
        public final int code;
        public final int mode; // 0 for the result
        public final Class<?> holder; // the descriptor's class entry, or null
        public final boolean primitive;
        public final int slot;

        Entry(int code, int mode, Class<?> holder, boolean primitive, int slot) {
            this.code = code;
            this.mode = mode;
            this.holder = holder;
            this.primitive = primitive;
            this.slot = slot;
        }
    }

    // An operation's entries and the array lengths they need, worked out
    // once per descriptor.
    public static final class Layout {
        public final Entry[] entries;
        public final int longs;
        public final int objects;
        public final boolean hasOut; // a result, out or inout entry

        Layout(Entry[] entries, int longs, int objects, boolean hasOut) {
            this.entries = entries;
            this.longs = longs;
            this.objects = objects;
            this.hasOut = hasOut;
        }
    }

    private Arguments() { }

    // Descriptors live in static tables of stubs: kept for good.
    private static final java.util.concurrent.ConcurrentHashMap<OperationDescriptor, Layout> layouts =
        new java.util.concurrent.ConcurrentHashMap<>();

    static BAD_PARAM badDescriptor(OperationDescriptor op, String why) {
        return new BAD_PARAM((op == null ? "?" : op.name) + ": " + why, 0, CompletionStatus.COMPLETED_NO);
    }

    public static boolean isPrimitive(int code) {
        switch (code) {
            case TCKind._tk_short: case TCKind._tk_long: case TCKind._tk_ushort: case TCKind._tk_ulong:
            case TCKind._tk_float: case TCKind._tk_double: case TCKind._tk_boolean: case TCKind._tk_char:
            case TCKind._tk_octet: case TCKind._tk_longlong: case TCKind._tk_ulonglong:
                return true;
            default:
                return false;
        }
    }

    public static Layout layout(OperationDescriptor op) {
        if (op == null) throw badDescriptor(null, "no descriptor");
        Layout l = layouts.get(op);
        if (l != null) return l;
        l = compute(op);
        layouts.put(op, l);
        return l;
    }

    private static Layout compute(OperationDescriptor op) {
        int[] params = op.params == null ? new int[0] : op.params;
        Class<?>[] classes = op.classes == null ? new Class<?>[params.length] : op.classes;
        if (classes.length != params.length)
            throw badDescriptor(op, params.length + " type codes but " + classes.length + " class entries");
        boolean setter = op.name != null && op.name.startsWith("_set_");
        Entry[] entries = new Entry[params.length];
        int nextN = 0, nextO = 0, maxN = 0, maxO = 0;
        boolean hasOut = false;
        for (int i = 0; i < params.length; i++) {
            int word = params[i];
            int mode = word & OperationDescriptor.MODE;
            int code = word & ~OperationDescriptor.MODE;
            boolean prim = isPrimitive(code);
            if (mode == 0 && i != 0) throw badDescriptor(op, "entry " + i + " has no mode word");
            if (prim && classes[i] != null) throw badDescriptor(op, "entry " + i + " is primitive but names a class");
            if (!prim && mode != OperationDescriptor.IN && classes[i] == null && builtinHolder(code) == null)
                throw badDescriptor(op, "entry " + i + " of type code 0x" + Integer.toHexString(code)
                                        + " needs a holder class");
            if (!prim && mode == OperationDescriptor.IN && classes[i] == null && !hasBareForm(code))
                throw badDescriptor(op, "entry " + i + " of type code 0x" + Integer.toHexString(code)
                                        + " needs a holder class");
            int slot;
            if (mode == 0) {
                slot = 0;
                if (prim) nextN = 1; else nextO = 1;
                hasOut = true;
            } else if (setter) {
                slot = 1;
            } else if (prim && mode == OperationDescriptor.IN) {
                slot = nextN++;
            } else {
                slot = nextO++;
            }
            if (mode == OperationDescriptor.OUT || mode == OperationDescriptor.INOUT) hasOut = true;
            if (prim && (mode == 0 || mode == OperationDescriptor.IN)) maxN = Math.max(maxN, slot + 1);
            else maxO = Math.max(maxO, slot + 1);
            entries[i] = new Entry(code, mode, classes[i], prim, slot);
        }
        return new Layout(entries, maxN, maxO, hasOut);
    }

    // The holder of a value whose descriptor entry names no class.
    static Class<?> builtinHolder(int code) {
        switch (code) {
            case TCKind._tk_short: case TCKind._tk_ushort: return org.omg.CORBA.ShortHolder.class;
            case TCKind._tk_long: case TCKind._tk_ulong: return org.omg.CORBA.IntHolder.class;
            case TCKind._tk_float: return org.omg.CORBA.FloatHolder.class;
            case TCKind._tk_double: return org.omg.CORBA.DoubleHolder.class;
            case TCKind._tk_boolean: return org.omg.CORBA.BooleanHolder.class;
            case TCKind._tk_char: return org.omg.CORBA.CharHolder.class;
            case TCKind._tk_octet: return org.omg.CORBA.ByteHolder.class;
            case TCKind._tk_longlong: case TCKind._tk_ulonglong: return org.omg.CORBA.LongHolder.class;
            case TCKind._tk_any: return org.omg.CORBA.AnyHolder.class;
            case TCKind._tk_TypeCode: return org.omg.CORBA.TypeCodeHolder.class;
            case TCKind._tk_Principal: return org.omg.CORBA.PrincipalHolder.class;
            case TCKind._tk_objref: return org.omg.CORBA.ObjectHolder.class;
            case TCKind._tk_string: return org.omg.CORBA.StringHolder.class;
            default: return null;
        }
    }

    static boolean hasBareForm(int code) {
        return code == TCKind._tk_any || code == TCKind._tk_TypeCode || code == TCKind._tk_Principal
            || code == TCKind._tk_objref || code == TCKind._tk_string;
    }

    private static Class<?> holderClass(Entry e) {
        return e.holder != null ? e.holder : builtinHolder(e.code);
    }

    // A result that travels as the bare value.
    private static boolean bareResult(Entry e) {
        return !e.primitive && (e.holder == null || e.code == TCKind._tk_objref);
    }

    private static void writePrimitive(OutputStream out, int code, long v) {
        switch (code) {
            case TCKind._tk_short: out.write_short((short) v); break;
            case TCKind._tk_ushort: out.write_ushort((short) v); break;
            case TCKind._tk_long: out.write_long((int) v); break;
            case TCKind._tk_ulong: out.write_ulong((int) v); break;
            case TCKind._tk_float: out.write_float(Float.intBitsToFloat((int) v)); break;
            case TCKind._tk_double: out.write_double(Double.longBitsToDouble(v)); break;
            case TCKind._tk_boolean: out.write_boolean(v != 0); break;
            case TCKind._tk_char: out.write_char((char) v); break;
            case TCKind._tk_octet: out.write_octet((byte) v); break;
            case TCKind._tk_longlong: out.write_longlong(v); break;
            case TCKind._tk_ulonglong: out.write_ulonglong(v); break;
            default: throw new BAD_PARAM("not a primitive type code", 0, CompletionStatus.COMPLETED_NO);
        }
    }

    private static long readPrimitive(InputStream in, int code) {
        switch (code) {
            case TCKind._tk_short: return in.read_short() & 0xFFFFL;
            case TCKind._tk_ushort: return in.read_ushort() & 0xFFFFL;
            case TCKind._tk_long: return in.read_long() & 0xFFFFFFFFL;
            case TCKind._tk_ulong: return in.read_ulong() & 0xFFFFFFFFL;
            case TCKind._tk_float: return Float.floatToRawIntBits(in.read_float()) & 0xFFFFFFFFL;
            case TCKind._tk_double: return Double.doubleToRawLongBits(in.read_double());
            case TCKind._tk_boolean: return in.read_boolean() ? 1 : 0;
            case TCKind._tk_char: return in.read_char();
            case TCKind._tk_octet: return in.read_octet() & 0xFFL;
            case TCKind._tk_longlong: return in.read_longlong();
            case TCKind._tk_ulonglong: return in.read_ulonglong();
            default: throw new MARSHAL("not a primitive type code", 0, CompletionStatus.COMPLETED_NO);
        }
    }

    private static void writeBare(OutputStream out, int code, java.lang.Object v, String where) {
        try {
            switch (code) {
                case TCKind._tk_string:
                    if (v == null) throw new BAD_PARAM(where + ": null string", 0, CompletionStatus.COMPLETED_NO);
                    out.write_string((String) v);
                    return;
                case TCKind._tk_any:
                    if (v == null) throw new BAD_PARAM(where + ": null any", 0, CompletionStatus.COMPLETED_NO);
                    out.write_any((Any) v);
                    return;
                case TCKind._tk_TypeCode:
                    if (v == null) throw new BAD_PARAM(where + ": null TypeCode", 0, CompletionStatus.COMPLETED_NO);
                    out.write_TypeCode((TypeCode) v);
                    return;
                case TCKind._tk_Principal: out.write_Principal((Principal) v); return;
                case TCKind._tk_objref: out.write_Object((org.omg.CORBA.Object) v); return;
                default:
                    throw new BAD_PARAM(where + ": type code 0x" + Integer.toHexString(code) + " needs a holder",
                                        0, CompletionStatus.COMPLETED_NO);
            }
        } catch (ClassCastException e) {
            throw new BAD_PARAM(where + ": a " + v.getClass().getName() + " for type code 0x"
                                + Integer.toHexString(code), 0, CompletionStatus.COMPLETED_NO);
        }
    }

    private static java.lang.Object readBare(InputStream in, int code) {
        switch (code) {
            case TCKind._tk_string: return in.read_string();
            case TCKind._tk_any: return in.read_any();
            case TCKind._tk_TypeCode: return in.read_TypeCode();
            case TCKind._tk_Principal: return in.read_Principal();
            case TCKind._tk_objref: return in.read_Object();
            default: throw new MARSHAL("type code 0x" + Integer.toHexString(code) + " has no bare form", 0,
                                       CompletionStatus.COMPLETED_NO);
        }
    }

    private static Streamable holderOf(java.lang.Object v, Entry e, String where) {
        if (!(v instanceof Streamable))
            throw new BAD_PARAM(where + ": " + (v == null ? "no holder" : "a " + v.getClass().getName())
                                + " where a holder is expected", 0, CompletionStatus.COMPLETED_NO);
        return (Streamable) v;
    }

    // The holder classes' constructors, looked up once per class.
    private static final ClassValue<java.lang.reflect.Constructor<?>> constructors = new ClassValue<>() {
        protected java.lang.reflect.Constructor<?> computeValue(Class<?> c) {
            try {
                return c.getDeclaredConstructor();
            } catch (NoSuchMethodException | SecurityException e) {
                return null;
            }
        }
    };

    static Streamable newHolder(Class<?> c, CompletionStatus status) {
        try {
            java.lang.reflect.Constructor<?> k = constructors.get(c);
            if (k == null) throw new NoSuchMethodException(c.getName() + "()");
            return (Streamable) k.newInstance();
        } catch (ReflectiveOperationException | ClassCastException | LinkageError e) {
            throw new org.omg.CORBA.INTERNAL("cannot make a holder of " + c.getName() + ": " + e, 0, status);
        }
    }

    private static long at(long[] a, int i) {
        if (a == null || i >= a.length) throw new BAD_PARAM("argument array too short", 0, CompletionStatus.COMPLETED_NO);
        return a[i];
    }

    private static java.lang.Object at(java.lang.Object[] a, int i) {
        if (a == null || i >= a.length) throw new BAD_PARAM("argument array too short", 0, CompletionStatus.COMPLETED_NO);
        return a[i];
    }

    // Client: the in and inout values of a request.
    public static void writeRequest(OutputStream out, OperationDescriptor op, long[] n, java.lang.Object[] o) {
        Layout l = layout(op);
        for (int i = 0; i < l.entries.length; i++) {
            Entry e = l.entries[i];
            if (e.mode == 0) continue;
            String where = op.name + " argument " + i;
            if (e.mode == OperationDescriptor.OUT) {
                // checked now, so that a missing holder fails before the call
                holderOf(at(o, e.slot), e, where);
                continue;
            }
            if (e.mode == OperationDescriptor.IN && e.primitive) {
                writePrimitive(out, e.code, at(n, e.slot));
            } else if (e.mode == OperationDescriptor.IN && e.holder == null) {
                writeBare(out, e.code, at(o, e.slot), where);
            } else {
                holderOf(at(o, e.slot), e, where).__write(out);
            }
        }
    }

    // Server: fresh arrays filled from a request.
    public static long[] newLongs(Layout l) {
        return new long[Math.max(l.longs, 2)];
    }

    public static java.lang.Object[] newObjects(Layout l) {
        return new java.lang.Object[Math.max(l.objects, 2)];
    }

    public static void readRequest(InputStream in, OperationDescriptor op, long[] n, java.lang.Object[] o) {
        Layout l = layout(op);
        for (Entry e : l.entries) {
            if (e.mode == 0) continue;
            if (e.mode == OperationDescriptor.IN && e.primitive) {
                n[e.slot] = readPrimitive(in, e.code);
            } else if (e.mode == OperationDescriptor.IN && e.holder == null) {
                o[e.slot] = readBare(in, e.code);
            } else {
                Streamable h = newHolder(holderClass(e), CompletionStatus.COMPLETED_NO);
                if (e.mode != OperationDescriptor.OUT) h.__read(in);
                o[e.slot] = h;
            }
        }
    }

    // Server: the result and the out and inout values of a reply.
    public static void writeReply(OutputStream out, OperationDescriptor op, long[] n, java.lang.Object[] o) {
        Layout l = layout(op);
        for (Entry e : l.entries) {
            if (e.mode == OperationDescriptor.IN) continue;
            String where = op.name + (e.mode == 0 ? " result" : " out value");
            if (e.mode == 0 && e.primitive) {
                writePrimitive(out, e.code, n[0]);
            } else if (e.mode == 0 && bareResult(e)) {
                writeBare(out, e.code, o[0], where);
            } else {
                holderOf(o[e.slot], e, where).__write(out);
            }
        }
    }

    // Client: the result and out and inout values read into the stub's
    // arrays.
    public static void readReply(InputStream in, OperationDescriptor op, long[] n, java.lang.Object[] o) {
        Layout l = layout(op);
        for (Entry e : l.entries) {
            if (e.mode == OperationDescriptor.IN) continue;
            if (e.mode == 0 && e.primitive) {
                if (n != null && n.length > 0) n[0] = readPrimitive(in, e.code);
                else readPrimitive(in, e.code);
            } else if (e.mode == 0 && bareResult(e)) {
                java.lang.Object v = readBare(in, e.code);
                if (o != null && o.length > 0) o[0] = v;
            } else if (e.mode == 0) {
                java.lang.Object prepared = o != null && o.length > 0 ? o[0] : null;
                Streamable h = prepared != null && prepared.getClass() == e.holder
                    ? (Streamable) prepared : newHolder(e.holder, CompletionStatus.COMPLETED_YES);
                h.__read(in);
                if (o != null && o.length > 0) o[0] = h;
            } else {
                holderOf(at(o, e.slot), e, op.name + " out value").__read(in);
            }
        }
    }
}

package vemo.harl;

import org.omg.CORBA.Any;
import org.omg.CORBA.Principal;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.Delegate;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Skeleton;
import org.omg.CORBA.portable.Streamable;

// Test stand-in: a delegate that carries a stub's call to a skeleton in the
// same process.  The argument arrays are marshalled through the in-memory
// streams the way the operation descriptor describes them: primitive values
// by the width of their type code, object values bare by their type code or
// through the holder class the descriptor names.  The servant sees fresh
// arrays, and what it answers travels back the same way, so a type code, a
// mode word or a holder class that does not fit the value fails the call
// with a Mismatch.
public class LocalDelegate extends Delegate {
    // A disagreement between the descriptor and the values in the arrays.
    public static class Mismatch extends RuntimeException {
        public Mismatch(String what) {
            super(what);
        }
    }

    private final ObjectImpl servant;
    private final Skeleton skeleton;

    public LocalDelegate(ObjectImpl servant) {
        this.servant = servant;
        this.skeleton = (Skeleton) servant;
    }

    public boolean is_a(ObjectImpl self, String repositoryIdentifier) {
        return servant._is_a(repositoryIdentifier);
    }

    // One entry of the descriptor's parameter list and the slot it uses.
    private static final class Entry {
        int code;
        int mode; // 0 for the result
        Class holder; // the descriptor's class entry, or null
        boolean primitive;
        int slot;
    }

    private static boolean isPrimitive(int code) {
        switch (code) {
            case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9: case 10: case 23: case 24:
                return true;
            default:
                return false;
        }
    }

    // The holder of a value whose descriptor entry names no class.
    private static Class builtinHolder(int code, String where) {
        switch (code) {
            case 2: case 4: return org.omg.CORBA.ShortHolder.class;
            case 3: case 5: return org.omg.CORBA.IntHolder.class;
            case 6: return org.omg.CORBA.FloatHolder.class;
            case 7: return org.omg.CORBA.DoubleHolder.class;
            case 8: return org.omg.CORBA.BooleanHolder.class;
            case 9: case 26: return org.omg.CORBA.CharHolder.class;
            case 10: return org.omg.CORBA.ByteHolder.class;
            case 23: case 24: return org.omg.CORBA.LongHolder.class;
            case 11: return org.omg.CORBA.AnyHolder.class;
            case 12: return org.omg.CORBA.TypeCodeHolder.class;
            case 13: return org.omg.CORBA.PrincipalHolder.class;
            case 14: return org.omg.CORBA.ObjectHolder.class;
            case 18: case 27: return org.omg.CORBA.StringHolder.class;
            default:
                throw new Mismatch(where + ": type code 0x" + Integer.toHexString(code) + " needs a holder class");
        }
    }

    private static Entry[] layout(OperationDescriptor op) {
        if (op.params == null) throw new Mismatch(op.name + ": no parameter list");
        if (op.classes == null || op.classes.length != op.params.length)
            throw new Mismatch(op.name + ": " + op.params.length + " type codes but "
                               + (op.classes == null ? "no" : "" + op.classes.length) + " class entries");
        boolean setter = op.name.startsWith("_set_");
        Entry[] entries = new Entry[op.params.length];
        int nextN = 0, nextO = 0;
        for (int i = 0; i < entries.length; i++) {
            Entry e = new Entry();
            int word = op.params[i];
            e.mode = word & OperationDescriptor.MODE;
            e.code = word & ~OperationDescriptor.MODE;
            e.holder = op.classes[i];
            e.primitive = isPrimitive(e.code);
            if (e.mode == 0 && i != 0) throw new Mismatch(op.name + ": entry " + i + " has no mode word");
            if (e.mode == 0) {
                e.slot = 0;
                if (e.primitive) nextN = 1; else nextO = 1;
            } else if (setter) {
                // An attribute's value travels in index 1 of its array.
                e.slot = 1;
            } else if (e.primitive && e.mode == OperationDescriptor.IN) {
                e.slot = nextN++;
            } else {
                e.slot = nextO++;
            }
            if (e.primitive && e.holder != null)
                throw new Mismatch(op.name + ": entry " + i + " is primitive but names " + e.holder.getName());
            entries[i] = e;
        }
        return entries;
    }

    private static long mask(int code) {
        switch (code) {
            case 8: return 1L;
            case 10: return 0xFFL;
            case 2: case 4: case 9: case 26: return 0xFFFFL;
            case 3: case 5: case 6: return 0xFFFFFFFFL;
            default: return -1L;
        }
    }

    private static void writePrimitive(OutputStream out, int code, long v, String where) {
        long m = mask(code);
        if ((v & m) != v)
            throw new Mismatch(where + ": value 0x" + Long.toHexString(v) + " does not fit type code 0x"
                               + Integer.toHexString(code));
        switch (code) {
            case 2: out.write_short((short) v); break;
            case 4: out.write_ushort((short) v); break;
            case 3: out.write_long((int) v); break;
            case 5: out.write_ulong((int) v); break;
            case 6: out.write_float(Float.intBitsToFloat((int) v)); break;
            case 7: out.write_double(Double.longBitsToDouble(v)); break;
            case 8: out.write_boolean(v != 0); break;
            case 9: out.write_char((char) v); break;
            case 26: out.write_wchar((char) v); break;
            case 10: out.write_octet((byte) v); break;
            case 23: out.write_longlong(v); break;
            case 24: out.write_ulonglong(v); break;
            default: throw new Mismatch(where + ": not a primitive type code");
        }
    }

    private static long readPrimitive(InputStream in, int code) {
        switch (code) {
            case 2: return in.read_short() & 0xFFFFL;
            case 4: return in.read_ushort() & 0xFFFFL;
            case 3: return in.read_long() & 0xFFFFFFFFL;
            case 5: return in.read_ulong() & 0xFFFFFFFFL;
            case 6: return Float.floatToRawIntBits(in.read_float()) & 0xFFFFFFFFL;
            case 7: return Double.doubleToRawLongBits(in.read_double());
            case 8: return in.read_boolean() ? 1 : 0;
            case 9: return in.read_char();
            case 26: return in.read_wchar();
            case 10: return in.read_octet() & 0xFFL;
            case 23: return in.read_longlong();
            case 24: return in.read_ulonglong();
            default: throw new Mismatch("not a primitive type code");
        }
    }

    private static void writeBare(OutputStream out, int code, java.lang.Object v, String where) {
        try {
            switch (code) {
                case 18: out.write_string((String) v); return;
                case 27: out.write_wstring((String) v); return;
                case 11: out.write_any((Any) v); return;
                case 12: out.write_TypeCode((TypeCode) v); return;
                case 13: out.write_Principal((Principal) v); return;
                case 14: out.write_Object((org.omg.CORBA.Object) v); return;
                default:
                    throw new Mismatch(where + ": type code 0x" + Integer.toHexString(code)
                                       + " travels only in a holder, but the descriptor names none");
            }
        } catch (ClassCastException e) {
            throw new Mismatch(where + ": a " + v.getClass().getName() + " for type code 0x"
                               + Integer.toHexString(code));
        }
    }

    private static java.lang.Object readBare(InputStream in, int code) {
        switch (code) {
            case 18: return in.read_string();
            case 27: return in.read_wstring();
            case 11: return in.read_any();
            case 12: return in.read_TypeCode();
            case 13: return in.read_Principal();
            case 14: return in.read_Object();
            default: throw new Mismatch("type code 0x" + Integer.toHexString(code) + " has no bare form");
        }
    }

    private static Streamable holderOf(java.lang.Object v, Class want, String where) {
        if (v == null) throw new Mismatch(where + ": no holder, want " + want.getName());
        if (v.getClass() != want)
            throw new Mismatch(where + ": holder " + v.getClass().getName() + ", descriptor says " + want.getName());
        return (Streamable) v;
    }

    private static Streamable newHolder(Class c, String where) {
        try {
            return (Streamable) c.getDeclaredConstructor().newInstance();
        } catch (ReflectiveOperationException | ClassCastException e) {
            throw new Mismatch(where + ": cannot make a holder of class " + c.getName() + ": " + e);
        }
    }

    // A result that travels as the bare value: one the descriptor names no
    // holder for, and an object reference, whose class entry names the
    // holder of its interface while stub and skeleton pass the reference
    // itself.
    private static boolean bareResult(Entry e) {
        return e.holder == null || e.code == 14;
    }

    private static Class holderClass(Entry e, String where) {
        return e.holder != null ? e.holder : builtinHolder(e.code, where);
    }

    private static long[] longs(long[] a) {
        return a == null ? null : new long[a.length];
    }

    private static java.lang.Object[] objects(java.lang.Object[] a) {
        return a == null ? null : new java.lang.Object[a.length];
    }

    public java.lang.Object invoke(ObjectImpl self, OperationDescriptor op, long[] n, java.lang.Object[] o) {
        OperationDescriptor[] table = skeleton._get_dispatch_table()[0];
        int number = -1;
        for (int k = 0; k < table.length; k++) {
            if (table[k] != null && table[k].name.equals(op.name)) number = k;
        }
        if (number < 0) throw new org.omg.CORBA.BAD_OPERATION(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        OperationDescriptor served = table[number];
        if (!java.util.Arrays.equals(served.params, op.params))
            throw new Mismatch(op.name + ": client and server descriptors differ");
        Entry[] entries = layout(op);

        // The request: in and inout values.
        OutputStream request = new OutputStream();
        for (int i = 0; i < entries.length; i++) {
            Entry e = entries[i];
            String where = op.name + " entry " + i;
            if (e.mode == 0 || e.mode == OperationDescriptor.OUT) continue;
            if (e.mode != OperationDescriptor.IN && e.mode != OperationDescriptor.INOUT)
                throw new Mismatch(where + ": unknown mode word");
            if (e.mode == OperationDescriptor.IN && e.primitive) {
                writePrimitive(request, e.code, n[e.slot], where);
            } else if (e.mode == OperationDescriptor.IN && e.holder == null) {
                writeBare(request, e.code, o[e.slot], where);
            } else {
                holderOf(o[e.slot], holderClass(e, where), where).__write(request);
            }
        }

        // The servant's side: fresh arrays filled from the request.
        InputStream in = request.create_input_stream();
        long[] sn = longs(n);
        java.lang.Object[] so = objects(o);
        for (int i = 0; i < entries.length; i++) {
            Entry e = entries[i];
            String where = op.name + " entry " + i;
            if (e.mode == 0) continue;
            if (e.mode == OperationDescriptor.IN && e.primitive) {
                sn[e.slot] = readPrimitive(in, e.code);
            } else if (e.mode == OperationDescriptor.IN && e.holder == null) {
                so[e.slot] = readBare(in, e.code);
            } else {
                Streamable h = newHolder(holderClass(e, where), where);
                if (e.mode != OperationDescriptor.OUT) h.__read(in);
                so[e.slot] = h;
            }
        }
        if (in.available() != 0) throw new Mismatch(op.name + ": request not read to its end");

        java.lang.Object raised;
        try {
            raised = skeleton._execute(0, number, sn, so, new org.omg.CORBA.Context());
        } catch (RuntimeException e) {
            throw e;
        } catch (java.lang.Exception e) {
            throw new org.omg.CORBA.UNKNOWN(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
        }

        if (op.oneway) {
            if (raised != null) throw new Mismatch(op.name + ": a oneway call raised an exception");
            for (Entry e : entries) {
                if (e.mode != OperationDescriptor.IN) throw new Mismatch(op.name + ": a oneway call answers");
            }
            return null;
        }

        // The reply: a raised exception, or the result and the out and
        // inout values.
        OutputStream reply = new OutputStream();
        if (raised != null) {
            int which = -1;
            Class[] classes = op.exceptionClasses == null ? new Class[0] : op.exceptionClasses;
            for (int j = 0; j < classes.length; j++) {
                if (classes[j] == raised.getClass()) which = j;
            }
            if (which < 0) throw new Mismatch(op.name + ": undeclared exception " + raised.getClass().getName());
            reply.write_long(which);
            ((Streamable) raised).__write(reply);
        } else {
            reply.write_long(-1);
            for (int i = 0; i < entries.length; i++) {
                Entry e = entries[i];
                String where = op.name + " reply entry " + i;
                if (e.mode == OperationDescriptor.IN) continue;
                if (e.mode == 0 && e.primitive) {
                    writePrimitive(reply, e.code, sn[0], where);
                } else if (e.mode == 0 && bareResult(e)) {
                    writeBare(reply, e.code, so[0], where);
                } else {
                    holderOf(so[e.slot], holderClass(e, where), where).__write(reply);
                }
            }
        }

        // Back on the client's side.
        InputStream back = reply.create_input_stream();
        int which = back.read_long();
        java.lang.Object result = null;
        if (which >= 0) {
            Streamable h = newHolder(op.exceptionClasses[which], op.name);
            h.__read(back);
            String id = h.__type().id();
            if (op.exceptionIds == null || op.exceptionIds.length <= which || !op.exceptionIds[which].equals(id))
                throw new Mismatch(op.name + ": exception " + id + " listed under another identifier");
            result = h;
        } else {
            for (int i = 0; i < entries.length; i++) {
                Entry e = entries[i];
                String where = op.name + " result entry " + i;
                if (e.mode == OperationDescriptor.IN) continue;
                if (e.mode == 0 && e.primitive) {
                    n[0] = readPrimitive(back, e.code);
                } else if (e.mode == 0 && bareResult(e)) {
                    o[0] = readBare(back, e.code);
                } else if (e.mode == 0) {
                    if (o[0] != null && o[0].getClass() != e.holder)
                        throw new Mismatch(where + ": result slot prepared with " + o[0].getClass().getName()
                                           + ", descriptor says " + e.holder.getName());
                    Streamable h = newHolder(e.holder, where);
                    h.__read(back);
                    o[0] = h;
                } else {
                    holderOf(o[e.slot], holderClass(e, where), where).__read(back);
                }
            }
        }
        if (back.available() != 0) throw new Mismatch(op.name + ": reply not read to its end");
        return result;
    }
}

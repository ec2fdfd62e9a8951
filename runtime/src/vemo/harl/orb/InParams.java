package vemo.harl.orb;

import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;

import org.omg.CORBA.portable.Delegate;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;

import vemo.harl.giop.Arguments;

// Object references that arrive as in parameters travel bare, and their
// descriptor entries name no class, yet a skeleton casts them straight to
// the parameter's interface.  The interface is the declared type of the
// servant method's parameter; the reference is handed over as a stub of
// that interface (_<Name>Stub beside it) on the reference's own delegate,
// as a Helper's narrow would build it, without asking the object.
final class InParams {
    private InParams() { }

    private static final Constructor<?>[] NONE = new Constructor<?>[0];
    private static final Map<Class<?>, Map<OperationDescriptor, Constructor<?>[]>> cache = new ConcurrentHashMap<>();

    private static String javaName(String descriptorName) {
        if (descriptorName.startsWith("_get_") || descriptorName.startsWith("_set_")) return descriptorName.substring(5);
        return descriptorName;
    }

    // For each descriptor entry, the stub constructor an in reference is
    // wrapped in, or null; NONE when nothing needs wrapping.
    private static Constructor<?>[] stubs(Class<?> servant, OperationDescriptor op) {
        Arguments.Layout l = Arguments.layout(op);
        boolean any = false;
        int params = 0;
        for (Arguments.Entry e : l.entries) {
            if (e.mode != 0) params++;
            if (e.mode == OperationDescriptor.IN && e.code == org.omg.CORBA.TCKind._tk_objref && e.holder == null) any = true;
        }
        if (!any) return NONE;
        Method m = null;
        for (Method c : servant.getMethods()) {
            if (c.getName().equals(javaName(op.name)) && c.getParameterCount() == params) {
                m = c;
                break;
            }
        }
        if (m == null) return NONE;
        Class<?>[] types = m.getParameterTypes();
        Constructor<?>[] v = new Constructor<?>[l.entries.length];
        int p = 0;
        boolean found = false;
        for (int i = 0; i < l.entries.length; i++) {
            Arguments.Entry e = l.entries[i];
            if (e.mode == 0) continue;
            Class<?> t = types[p++];
            if (e.mode != OperationDescriptor.IN || e.code != 14 || e.holder != null) continue;
            if (!t.isInterface() || t == org.omg.CORBA.Object.class || !org.omg.CORBA.Object.class.isAssignableFrom(t))
                continue;
            String pkg = t.getPackageName();
            String stub = (pkg.isEmpty() ? "" : pkg + ".") + "_" + t.getSimpleName() + "Stub";
            try {
                Class<?> s = Class.forName(stub, true, t.getClassLoader());
                if (!t.isAssignableFrom(s)) continue;
                v[i] = s.getConstructor(Delegate.class);
                found = true;
            } catch (ReflectiveOperationException | LinkageError ignored) {
                // no stub: the reference stays as it is
            }
        }
        return found ? v : NONE;
    }

    // Replaces the in references of o by stubs of the declared interfaces.
    static void adapt(Object servant, OperationDescriptor op, java.lang.Object[] o) {
        Map<OperationDescriptor, Constructor<?>[]> perClass =
            cache.computeIfAbsent(servant.getClass(), k -> new ConcurrentHashMap<>());
        Constructor<?>[] v = perClass.get(op);
        if (v == null) {
            v = stubs(servant.getClass(), op);
            perClass.put(op, v);
        }
        if (v == NONE) return;
        Arguments.Entry[] entries = Arguments.layout(op).entries;
        for (int i = 0; i < v.length; i++) {
            if (v[i] == null) continue;
            int slot = entries[i].slot;
            java.lang.Object ref = o[slot];
            if (ref == null || v[i].getDeclaringClass().isInstance(ref)) continue;
            if (!(ref instanceof ObjectImpl)) continue;
            try {
                o[slot] = v[i].newInstance(((ObjectImpl) ref)._get_delegate());
            } catch (ReflectiveOperationException e) {
                // left as it is: the skeleton's cast reports the mismatch
            }
        }
    }
}

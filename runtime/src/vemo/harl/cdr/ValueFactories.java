package vemo.harl.cdr;

import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.ConcurrentHashMap;

import org.omg.CORBA.portable.ValueFactory;

// What the ORBs' value factory registries fall back on: the factories
// registered with any ORB of the process (so that a stream without an ORB,
// such as an any's, finds them), then the default factory class that a
// repository identifier names.  Classes are loaded without initializing
// them and used only when they implement ValueFactory, so an identifier
// from the network can make no other class run.
public final class ValueFactories {
    private static final ConcurrentHashMap<String, ValueFactory> anyORB = new ConcurrentHashMap<>();
    private static final ConcurrentHashMap<String, ValueFactory> defaults = new ConcurrentHashMap<>();
    // Identifiers that named no default factory: kept up to a bound, so
    // that the same unknown identifier does not load classes again.
    private static final int MAX_MISSES = 1024;
    private static final java.util.Set<String> misses = ConcurrentHashMap.newKeySet();
    private static final ConcurrentHashMap<String, org.omg.CORBA.portable.BoxedValueHelper> boxes =
        new ConcurrentHashMap<>();
    private static final java.util.Set<String> boxMisses = ConcurrentHashMap.newKeySet();
    private static final ConcurrentHashMap<String, org.omg.CORBA.TypeCode> types = new ConcurrentHashMap<>();
    private static final java.util.Set<String> typeMisses = ConcurrentHashMap.newKeySet();

    private ValueFactories() {
    }

    // An ORB's registration of `id` changed from `before` to `now` (null:
    // unregistered).
    public static void registered(String id, ValueFactory before, ValueFactory now) {
        if (now != null) {
            anyORB.put(id, now);
            misses.remove(id);
        } else if (before != null) {
            anyORB.remove(id, before);
        }
    }

    public static ValueFactory lookup(String id) {
        ValueFactory f = anyORB.get(id);
        if (f == null) f = defaults.get(id);
        if (f != null || misses.contains(id)) return f;
        for (String name : defaultFactoryNames(id, "DefaultFactory")) {
            f = load(name);
            if (f != null) {
                defaults.put(id, f);
                return f;
            }
        }
        if (misses.size() < MAX_MISSES) misses.add(id);
        return null;
    }

    // The Helper of a boxed value type, by the box's repository identifier
    // or by its box class (a box of a primitive type): the Helper
    // implements BoxedValueHelper.
    public static org.omg.CORBA.portable.BoxedValueHelper boxHelper(String id) {
        org.omg.CORBA.portable.BoxedValueHelper h = boxes.get(id);
        if (h != null || boxMisses.contains(id)) return h;
        for (String name : defaultFactoryNames(id, "Helper")) {
            h = boxHelperNamed(name);
            if (h != null) {
                boxes.put(id, h);
                return h;
            }
        }
        if (boxMisses.size() < MAX_MISSES) boxMisses.add(id);
        return null;
    }

    public static org.omg.CORBA.portable.BoxedValueHelper boxHelperFor(Class<?> c) {
        return boxHelperNamed(c.getName() + "Helper");
    }

    private static org.omg.CORBA.portable.BoxedValueHelper boxHelperNamed(String name) {
        Class<?> c = find(name, org.omg.CORBA.portable.BoxedValueHelper.class);
        if (c == null) return null;
        try {
            java.lang.reflect.Constructor<?> k = c.getDeclaredConstructor();
            k.setAccessible(true);
            return (org.omg.CORBA.portable.BoxedValueHelper) k.newInstance();
        } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
            return null;
        }
    }

    // The type code of the value type with the identifier, from its
    // Helper's static type(), or null.
    public static org.omg.CORBA.TypeCode valueType(String id) {
        org.omg.CORBA.TypeCode t = types.get(id);
        if (t != null || typeMisses.contains(id)) return t;
        for (String name : defaultFactoryNames(id, "Helper")) {
            Class<?> c = find(name, java.lang.Object.class);
            if (c == null) continue;
            try {
                java.lang.reflect.Method m = c.getMethod("type");
                m.setAccessible(true);
                if (!java.lang.reflect.Modifier.isStatic(m.getModifiers())
                    || m.getReturnType() != org.omg.CORBA.TypeCode.class) continue;
                t = (org.omg.CORBA.TypeCode) m.invoke(null);
                int k = org.omg.CORBA.TypeCode.unaliased(t).kind().value();
                if ((k == org.omg.CORBA.TCKind._tk_value || k == org.omg.CORBA.TCKind._tk_value_box)
                    && id.equals(t.id())) {
                    types.put(id, t);
                    return t;
                }
            } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
                continue;
            }
        }
        if (typeMisses.size() < MAX_MISSES) typeMisses.add(id);
        return null;
    }

    // A class <Name>DefaultFactory of the given class's package, for a value
    // whose Java class the reader knows.
    public static ValueFactory forClass(Class<?> c) {
        return c == null ? null : load(c.getName() + "DefaultFactory");
    }

    // The Java class names an IDL repository identifier may stand for:
    // IDL:M/N:1.0 gives M.N; a prefix (IDL:acme.com/M/N:1.0) is also tried
    // reversed (com.acme.M.N) and left out (M.N).
    static List<String> defaultFactoryNames(String id, String suffix) {
        List<String> names = new ArrayList<>();
        if (!id.startsWith("IDL:")) return names;
        int colon = id.lastIndexOf(':');
        if (colon <= 4) return names;
        String[] parts = id.substring(4, colon).split("/", -1);
        if (!javaNames(parts, 1)) return names;
        String rest = String.join(".", java.util.Arrays.asList(parts).subList(1, parts.length));
        if (parts[0].indexOf('.') < 0) {
            if (javaName(parts[0])) names.add(String.join(".", parts) + suffix);
            return names;
        }
        String[] domain = parts[0].split("\\.", -1);
        StringBuilder reversed = new StringBuilder();
        for (int i = domain.length - 1; i >= 0; i--) {
            if (!javaName(domain[i])) return names;
            reversed.append(domain[i]).append('.');
        }
        if (parts.length > 1) {
            names.add(reversed + rest + suffix);
            names.add(rest + suffix);
        }
        return names;
    }

    private static boolean javaNames(String[] parts, int from) {
        for (int i = from; i < parts.length; i++) {
            if (!javaName(parts[i])) return false;
        }
        return true;
    }

    private static boolean javaName(String s) {
        if (s.isEmpty() || !Character.isJavaIdentifierStart(s.charAt(0))) return false;
        for (int i = 1; i < s.length(); i++) {
            if (!Character.isJavaIdentifierPart(s.charAt(i))) return false;
        }
        return true;
    }

    // The class of that name, not initialized, when it implements `kind`.
    private static Class<?> find(String name, Class<?> kind) {
        ClassLoader[] loaders = {Thread.currentThread().getContextClassLoader(), ValueFactories.class.getClassLoader()};
        for (ClassLoader loader : loaders) {
            try {
                Class<?> c = Class.forName(name, false, loader);
                return kind.isAssignableFrom(c) ? c : null;
            } catch (ClassNotFoundException | LinkageError e) {
                continue;
            }
        }
        return null;
    }

    private static ValueFactory load(String name) {
        Class<?> c = find(name, ValueFactory.class);
        if (c == null) return null;
        try {
            java.lang.reflect.Constructor<?> k = c.getDeclaredConstructor();
            k.setAccessible(true);
            return (ValueFactory) k.newInstance();
        } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
            return null;
        }
    }
}

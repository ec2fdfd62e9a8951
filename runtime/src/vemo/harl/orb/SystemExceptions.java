package vemo.harl.orb;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;

// The standard system exceptions by repository identifier, as they travel
// in SYSTEM_EXCEPTION replies: IDL:omg.org/CORBA/<NAME>:1.0 names the class
// org.omg.CORBA.<NAME>.  An identifier of no known class arrives as UNKNOWN.
final class SystemExceptions {
    private SystemExceptions() { }

    private static final String PREFIX = "IDL:omg.org/CORBA/";
    private static final String SUFFIX = ":1.0";

    static String idOf(SystemException e) {
        Class<?> c = e.getClass();
        while (c != null && !c.getName().startsWith("org.omg.CORBA.")) c = c.getSuperclass();
        if (c == null || c == SystemException.class) return PREFIX + "UNKNOWN" + SUFFIX;
        return PREFIX + c.getSimpleName() + SUFFIX;
    }

    static SystemException make(String id, int minor, int completed) {
        return make(id, minor, completed, "raised by the server");
    }

    static SystemException make(String id, int minor, int completed, String reason) {
        CompletionStatus status;
        try {
            status = CompletionStatus.from_int(completed);
        } catch (RuntimeException e) {
            status = CompletionStatus.COMPLETED_MAYBE;
        }
        if (id != null && id.startsWith(PREFIX) && id.endsWith(SUFFIX)) {
            String name = id.substring(PREFIX.length(), id.length() - SUFFIX.length());
            if (name.matches("[A-Z_]+")) {
                try {
                    Class<?> c = Class.forName("org.omg.CORBA." + name);
                    if (SystemException.class.isAssignableFrom(c)) {
                        return (SystemException) c.getConstructor(String.class, int.class, CompletionStatus.class)
                            .newInstance(reason, minor, status);
                    }
                } catch (ReflectiveOperationException | LinkageError e) {
                    // fall through to UNKNOWN
                }
            }
        }
        return new org.omg.CORBA.UNKNOWN("unknown system exception " + id, minor, status);
    }
}

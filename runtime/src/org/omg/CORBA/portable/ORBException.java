package org.omg.CORBA.portable;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;

// A failure inside the ORB, named by the repository identifier of the
// system exception it stands for, with its minor code and completion
// status.  SystemException.fromORBException turns it into that exception.
// Identifiers and classes correspond by the IDL-to-Java mapping's rule:
// the standard exception IDL:omg.org/CORBA/NAME:1.0 is the class
// org.omg.CORBA.NAME.
public class ORBException extends RuntimeException {
    private static final String PREFIX = "IDL:omg.org/CORBA/";
    private static final String SUFFIX = ":1.0";

    public final String id;
    public final int minor;
    public final CompletionStatus completed;

    public ORBException(String id, int minor, CompletionStatus completed, String reason) {
        super(reason);
        this.id = id;
        this.minor = minor;
        this.completed = completed == null ? CompletionStatus.COMPLETED_MAYBE : completed;
    }

    public ORBException(SystemException e) {
        this(idOf(e), e.minor, e.completed, e.getMessage());
        initCause(e);
    }

    // The system exception this failure stands for: the one it was made
    // from, or a new one of the class its identifier names (UNKNOWN for an
    // identifier that names none).
    public SystemException asSystemException() {
        if (getCause() instanceof SystemException) return (SystemException) getCause();
        SystemException e = create(id, getMessage(), minor, completed);
        e.initCause(this);
        return e;
    }

    // The identifier of an exception's class, or of the nearest standard
    // class it extends (UNKNOWN's for none).
    private static String idOf(SystemException e) {
        for (Class<?> c = e.getClass(); c != null && c != SystemException.class; c = c.getSuperclass()) {
            if (isStandard(c)) return PREFIX + c.getSimpleName() + SUFFIX;
        }
        return PREFIX + "UNKNOWN" + SUFFIX;
    }

    private static boolean isStandard(Class<?> c) {
        return c.getName().equals("org.omg.CORBA." + c.getSimpleName()) && SystemException.class.isAssignableFrom(c)
            && c != SystemException.class && !java.lang.reflect.Modifier.isAbstract(c.getModifiers());
    }

    // A new exception of the class the identifier names; UNKNOWN (naming
    // the identifier in its reason) when it names none.
    private static SystemException create(String id, String reason, int minor, CompletionStatus completed) {
        String text = reason == null ? "" : reason;
        if (id != null && id.startsWith(PREFIX) && id.endsWith(SUFFIX) && id.length() > PREFIX.length() + SUFFIX.length()) {
            String name = id.substring(PREFIX.length(), id.length() - SUFFIX.length());
            if (name.chars().allMatch(ch -> ch == '_' || (ch < 128 && Character.isLetterOrDigit(ch)))) {
                try {
                    Class<?> c = Class.forName("org.omg.CORBA." + name, false, SystemException.class.getClassLoader());
                    if (isStandard(c)) {
                        return (SystemException) c.getConstructor(String.class, int.class, CompletionStatus.class)
                                                  .newInstance(text, minor, completed);
                    }
                } catch (ReflectiveOperationException | LinkageError e) {
                    // not a standard exception
                }
            }
        }
        return new org.omg.CORBA.UNKNOWN("system exception " + id + (text.isEmpty() ? "" : ": " + text), minor, completed);
    }
}

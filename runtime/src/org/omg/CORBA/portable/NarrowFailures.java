package org.omg.CORBA.portable;

/**
 * What the BAD_PARAM of a failed narrow says. A generated Helper's
 * {@code narrow} asks the object {@code _is_a(id)} and, on no, throws
 * {@code new BAD_PARAM()}; the object's answer is noted here per thread,
 * and the BAD_PARAM made right after it by a method named narrow takes the
 * note as its message: the repository id wanted and the object's own.
 * Used by ObjectImpl and BAD_PARAM; not an API for applications.
 */
public final class NarrowFailures {
    private static final ThreadLocal<String> pending = new ThreadLocal<>();

    private NarrowFailures() {
    }

    /** Notes an answer of {@code _is_a(wanted)} by an object whose repository ids are {@code ids}. */
    public static void answered(boolean yes, String wanted, String[] ids) {
        if (yes) {
            if (pending.get() != null) pending.remove();
            return;
        }
        String actual = ids == null || ids.length == 0 || ids[0] == null || ids[0].isEmpty()
                        ? "none in its reference" : ids[0];
        pending.set("narrow: the object is not a " + wanted + " (its repository id: " + actual + ")");
    }

    /**
     * The message of a BAD_PARAM made without one: the noted answer when
     * the exception is made by a narrow method, else empty. The note is
     * used once.
     */
    public static String message() {
        String note = pending.get();
        if (note == null) return "";
        pending.remove();
        boolean byNarrow = StackWalker.getInstance().walk(frames -> frames
            .filter(f -> !f.getClassName().equals(NarrowFailures.class.getName())
                         && !f.getClassName().equals("org.omg.CORBA.BAD_PARAM"))
            .findFirst()
            .map(f -> f.getMethodName().equals("narrow") || f.getMethodName().equals("unchecked_narrow"))
            .orElse(false));
        return byNarrow ? note : "";
    }
}

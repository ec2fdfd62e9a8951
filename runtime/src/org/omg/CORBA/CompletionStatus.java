package org.omg.CORBA;

/**
 * Whether a call that failed with a system exception had completed: yes,
 * no, or maybe.
 */
public final class CompletionStatus {
    public static final int _COMPLETED_YES = 0;
    public static final int _COMPLETED_NO = 1;
    public static final int _COMPLETED_MAYBE = 2;
    public static final CompletionStatus COMPLETED_YES = new CompletionStatus(_COMPLETED_YES);
    public static final CompletionStatus COMPLETED_NO = new CompletionStatus(_COMPLETED_NO);
    public static final CompletionStatus COMPLETED_MAYBE = new CompletionStatus(_COMPLETED_MAYBE);

    private final int value;

    private CompletionStatus(int value) {
        this.value = value;
    }

    public int value() {
        return value;
    }

    /** BAD_PARAM for a number outside 0 to 2. */
    public static CompletionStatus from_int(int value) {
        switch (value) {
            case _COMPLETED_YES: return COMPLETED_YES;
            case _COMPLETED_NO: return COMPLETED_NO;
            case _COMPLETED_MAYBE: return COMPLETED_MAYBE;
            default: throw new BAD_PARAM("completion status " + value, 0, COMPLETED_NO);
        }
    }

    public String toString() {
        switch (value) {
            case _COMPLETED_YES: return "COMPLETED_YES";
            case _COMPLETED_NO: return "COMPLETED_NO";
            default: return "COMPLETED_MAYBE";
        }
    }
}

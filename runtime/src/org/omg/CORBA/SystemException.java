package org.omg.CORBA;

/**
 * The root of the standard system exceptions: a minor code that tells
 * failures of one kind apart, and whether the call completed.  Unchecked,
 * so that any call may raise one.
 */
public abstract class SystemException extends CORBAException {
    public int minor;
    public CompletionStatus completed;

    protected SystemException(String reason, int minor, CompletionStatus completed) {
        super(reason);
        this.minor = minor;
        this.completed = completed == null ? CompletionStatus.COMPLETED_NO : completed;
    }

    /**
     * The exception an ORB-level failure stands for: the system exception
     * it carries, or UNKNOWN.
     */
    public static SystemException fromORBException(org.omg.CORBA.portable.ORBException e) {
        if (e == null) return new UNKNOWN("no exception", 0, CompletionStatus.COMPLETED_MAYBE);
        return e.asSystemException();
    }

    public String toString() {
        StringBuilder text = new StringBuilder(getClass().getName());
        String reason = getMessage();
        if (reason != null && !reason.isEmpty()) text.append(": ").append(reason);
        text.append(" (minor code 0x").append(Integer.toHexString(minor)).append(", ");
        switch (completed.value()) {
            case CompletionStatus._COMPLETED_YES: text.append("completed"); break;
            case CompletionStatus._COMPLETED_NO: text.append("not completed"); break;
            default: text.append("completion unknown"); break;
        }
        return text.append(')').toString();
    }
}

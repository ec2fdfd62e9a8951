package org.omg.CORBA;

/**
 * The standard system exception INVALID_ACTIVITY, repository identifier
 * IDL:omg.org/CORBA/INVALID_ACTIVITY:1.0.
 */
public final class INVALID_ACTIVITY extends SystemException {
    public INVALID_ACTIVITY() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INVALID_ACTIVITY(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INVALID_ACTIVITY(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INVALID_ACTIVITY(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

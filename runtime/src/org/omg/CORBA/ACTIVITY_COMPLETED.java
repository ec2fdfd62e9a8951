package org.omg.CORBA;

/**
 * The standard system exception ACTIVITY_COMPLETED, repository identifier
 * IDL:omg.org/CORBA/ACTIVITY_COMPLETED:1.0.
 */
public final class ACTIVITY_COMPLETED extends SystemException {
    public ACTIVITY_COMPLETED() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public ACTIVITY_COMPLETED(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public ACTIVITY_COMPLETED(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public ACTIVITY_COMPLETED(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

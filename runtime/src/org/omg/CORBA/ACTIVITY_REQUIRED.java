package org.omg.CORBA;

/**
 * The standard system exception ACTIVITY_REQUIRED, repository identifier
 * IDL:omg.org/CORBA/ACTIVITY_REQUIRED:1.0.
 */
public final class ACTIVITY_REQUIRED extends SystemException {
    public ACTIVITY_REQUIRED() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public ACTIVITY_REQUIRED(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public ACTIVITY_REQUIRED(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public ACTIVITY_REQUIRED(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

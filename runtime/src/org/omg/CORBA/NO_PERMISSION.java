package org.omg.CORBA;

/**
 * The standard system exception NO_PERMISSION, repository identifier
 * IDL:omg.org/CORBA/NO_PERMISSION:1.0.
 */
public final class NO_PERMISSION extends SystemException {
    public NO_PERMISSION() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_PERMISSION(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_PERMISSION(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public NO_PERMISSION(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

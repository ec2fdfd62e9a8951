package org.omg.CORBA;

/**
 * The standard system exception INVALID_TRANSACTION, repository identifier
 * IDL:omg.org/CORBA/INVALID_TRANSACTION:1.0.
 */
public final class INVALID_TRANSACTION extends SystemException {
    public INVALID_TRANSACTION() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INVALID_TRANSACTION(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INVALID_TRANSACTION(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INVALID_TRANSACTION(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception TRANSACTION_UNAVAILABLE, repository identifier
 * IDL:omg.org/CORBA/TRANSACTION_UNAVAILABLE:1.0.
 */
public final class TRANSACTION_UNAVAILABLE extends SystemException {
    public TRANSACTION_UNAVAILABLE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_UNAVAILABLE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_UNAVAILABLE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public TRANSACTION_UNAVAILABLE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

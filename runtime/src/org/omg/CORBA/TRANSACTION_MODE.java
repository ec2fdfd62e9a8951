package org.omg.CORBA;

/**
 * The standard system exception TRANSACTION_MODE, repository identifier
 * IDL:omg.org/CORBA/TRANSACTION_MODE:1.0.
 */
public final class TRANSACTION_MODE extends SystemException {
    public TRANSACTION_MODE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_MODE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_MODE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public TRANSACTION_MODE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

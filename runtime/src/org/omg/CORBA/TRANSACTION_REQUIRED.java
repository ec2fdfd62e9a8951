package org.omg.CORBA;

/**
 * The standard system exception TRANSACTION_REQUIRED, repository identifier
 * IDL:omg.org/CORBA/TRANSACTION_REQUIRED:1.0.
 */
public final class TRANSACTION_REQUIRED extends SystemException {
    public TRANSACTION_REQUIRED() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_REQUIRED(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_REQUIRED(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public TRANSACTION_REQUIRED(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

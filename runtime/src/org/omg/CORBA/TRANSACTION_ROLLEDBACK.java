package org.omg.CORBA;

/**
 * The standard system exception TRANSACTION_ROLLEDBACK, repository identifier
 * IDL:omg.org/CORBA/TRANSACTION_ROLLEDBACK:1.0.
 */
public final class TRANSACTION_ROLLEDBACK extends SystemException {
    public TRANSACTION_ROLLEDBACK() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_ROLLEDBACK(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSACTION_ROLLEDBACK(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public TRANSACTION_ROLLEDBACK(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

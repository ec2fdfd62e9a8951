package org.omg.CORBA;

/**
 * The standard system exception COMM_FAILURE, repository identifier
 * IDL:omg.org/CORBA/COMM_FAILURE:1.0.
 */
public final class COMM_FAILURE extends SystemException {
    public COMM_FAILURE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public COMM_FAILURE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public COMM_FAILURE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public COMM_FAILURE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

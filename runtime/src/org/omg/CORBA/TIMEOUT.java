package org.omg.CORBA;

/**
 * The standard system exception TIMEOUT, repository identifier
 * IDL:omg.org/CORBA/TIMEOUT:1.0.
 */
public final class TIMEOUT extends SystemException {
    public TIMEOUT() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public TIMEOUT(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public TIMEOUT(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public TIMEOUT(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

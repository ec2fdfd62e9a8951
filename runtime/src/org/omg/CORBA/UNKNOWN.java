package org.omg.CORBA;

/**
 * The standard system exception UNKNOWN, repository identifier
 * IDL:omg.org/CORBA/UNKNOWN:1.0.
 */
public final class UNKNOWN extends SystemException {
    public UNKNOWN() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public UNKNOWN(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public UNKNOWN(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public UNKNOWN(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

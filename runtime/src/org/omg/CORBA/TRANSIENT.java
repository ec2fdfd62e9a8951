package org.omg.CORBA;

/**
 * The standard system exception TRANSIENT, repository identifier
 * IDL:omg.org/CORBA/TRANSIENT:1.0.
 */
public final class TRANSIENT extends SystemException {
    public TRANSIENT() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSIENT(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public TRANSIENT(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public TRANSIENT(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

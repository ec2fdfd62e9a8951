package org.omg.CORBA;

/**
 * The standard system exception REBIND, repository identifier
 * IDL:omg.org/CORBA/REBIND:1.0.
 */
public final class REBIND extends SystemException {
    public REBIND() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public REBIND(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public REBIND(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public REBIND(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

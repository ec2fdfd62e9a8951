package org.omg.CORBA;

/**
 * The standard system exception INV_POLICY, repository identifier
 * IDL:omg.org/CORBA/INV_POLICY:1.0.
 */
public final class INV_POLICY extends SystemException {
    public INV_POLICY() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_POLICY(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_POLICY(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INV_POLICY(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

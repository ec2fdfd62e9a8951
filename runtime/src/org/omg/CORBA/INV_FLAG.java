package org.omg.CORBA;

/**
 * The standard system exception INV_FLAG, repository identifier
 * IDL:omg.org/CORBA/INV_FLAG:1.0.
 */
public final class INV_FLAG extends SystemException {
    public INV_FLAG() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_FLAG(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_FLAG(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INV_FLAG(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

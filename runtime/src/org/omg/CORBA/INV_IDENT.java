package org.omg.CORBA;

/**
 * The standard system exception INV_IDENT, repository identifier
 * IDL:omg.org/CORBA/INV_IDENT:1.0.
 */
public final class INV_IDENT extends SystemException {
    public INV_IDENT() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_IDENT(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_IDENT(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INV_IDENT(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

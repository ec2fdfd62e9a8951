package org.omg.CORBA;

/**
 * The standard system exception INV_OBJREF, repository identifier
 * IDL:omg.org/CORBA/INV_OBJREF:1.0.
 */
public final class INV_OBJREF extends SystemException {
    public INV_OBJREF() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_OBJREF(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INV_OBJREF(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INV_OBJREF(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

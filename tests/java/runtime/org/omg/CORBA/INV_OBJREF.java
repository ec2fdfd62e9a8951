package org.omg.CORBA;

// Test stand-in system exception.
public final class INV_OBJREF extends SystemException {
    public INV_OBJREF() {
    }

    public INV_OBJREF(int minor, CompletionStatus completed) {
        super(minor, completed);
    }
}

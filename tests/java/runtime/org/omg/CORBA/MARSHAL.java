package org.omg.CORBA;

// Test stand-in system exception.
public final class MARSHAL extends SystemException {
    public MARSHAL() {
    }

    public MARSHAL(int minor, CompletionStatus completed) {
        super(minor, completed);
    }
}

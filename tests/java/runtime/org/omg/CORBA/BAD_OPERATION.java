package org.omg.CORBA;

// Test stand-in system exception.
public final class BAD_OPERATION extends SystemException {
    public BAD_OPERATION() {
    }

    public BAD_OPERATION(int minor, CompletionStatus completed) {
        super(minor, completed);
    }
}

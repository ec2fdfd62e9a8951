package org.omg.CORBA;

// Test stand-in system exception.
public final class BAD_PARAM extends SystemException {
    public BAD_PARAM() {
    }

    public BAD_PARAM(int minor, CompletionStatus completed) {
        super(minor, completed);
    }
}

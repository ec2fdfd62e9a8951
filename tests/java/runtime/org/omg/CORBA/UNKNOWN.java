package org.omg.CORBA;

// Test stand-in system exception.
public final class UNKNOWN extends SystemException {
    public UNKNOWN() {
    }

    public UNKNOWN(int minor, CompletionStatus completed) {
        super(minor, completed);
    }
}

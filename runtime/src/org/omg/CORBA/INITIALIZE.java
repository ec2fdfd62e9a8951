package org.omg.CORBA;

/**
 * The standard system exception INITIALIZE, repository identifier
 * IDL:omg.org/CORBA/INITIALIZE:1.0.
 */
public final class INITIALIZE extends SystemException {
    public INITIALIZE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INITIALIZE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INITIALIZE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INITIALIZE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

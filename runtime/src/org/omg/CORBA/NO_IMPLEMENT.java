package org.omg.CORBA;

/**
 * The standard system exception NO_IMPLEMENT, repository identifier
 * IDL:omg.org/CORBA/NO_IMPLEMENT:1.0.
 */
public final class NO_IMPLEMENT extends SystemException {
    public NO_IMPLEMENT() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_IMPLEMENT(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_IMPLEMENT(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public NO_IMPLEMENT(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

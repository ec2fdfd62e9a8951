package org.omg.CORBA;

/**
 * The standard system exception BAD_CONTEXT, repository identifier
 * IDL:omg.org/CORBA/BAD_CONTEXT:1.0.
 */
public final class BAD_CONTEXT extends SystemException {
    public BAD_CONTEXT() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_CONTEXT(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_CONTEXT(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public BAD_CONTEXT(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

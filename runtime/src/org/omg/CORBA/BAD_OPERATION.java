package org.omg.CORBA;

/**
 * The standard system exception BAD_OPERATION, repository identifier
 * IDL:omg.org/CORBA/BAD_OPERATION:1.0.
 */
public final class BAD_OPERATION extends SystemException {
    public BAD_OPERATION() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_OPERATION(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_OPERATION(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public BAD_OPERATION(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

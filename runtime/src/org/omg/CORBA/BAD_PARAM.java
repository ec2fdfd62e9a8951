package org.omg.CORBA;

/**
 * The standard system exception BAD_PARAM, repository identifier
 * IDL:omg.org/CORBA/BAD_PARAM:1.0.
 */
public final class BAD_PARAM extends SystemException {
    /**
     * A BAD_PARAM without reason; made by a generated Helper's narrow, it
     * names the repository id wanted and the object's own.
     */
    public BAD_PARAM() {
        this(org.omg.CORBA.portable.NarrowFailures.message(), 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_PARAM(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_PARAM(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public BAD_PARAM(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

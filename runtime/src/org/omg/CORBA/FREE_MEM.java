package org.omg.CORBA;

/**
 * The standard system exception FREE_MEM, repository identifier
 * IDL:omg.org/CORBA/FREE_MEM:1.0.
 */
public final class FREE_MEM extends SystemException {
    public FREE_MEM() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public FREE_MEM(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public FREE_MEM(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public FREE_MEM(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

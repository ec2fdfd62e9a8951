package org.omg.CORBA;

/**
 * The standard system exception NO_MEMORY, repository identifier
 * IDL:omg.org/CORBA/NO_MEMORY:1.0.
 */
public final class NO_MEMORY extends SystemException {
    public NO_MEMORY() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_MEMORY(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_MEMORY(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public NO_MEMORY(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

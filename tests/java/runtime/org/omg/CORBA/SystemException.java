package org.omg.CORBA;

// Test stand-in: the root of the runtime's system exceptions.
public abstract class SystemException extends RuntimeException {
    public int minor;
    public CompletionStatus completed;

    protected SystemException() {
        this(0, CompletionStatus.COMPLETED_NO);
    }

    protected SystemException(int minor, CompletionStatus completed) {
        this.minor = minor;
        this.completed = completed;
    }
}

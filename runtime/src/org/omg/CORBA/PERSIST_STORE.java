package org.omg.CORBA;

/**
 * The standard system exception PERSIST_STORE, repository identifier
 * IDL:omg.org/CORBA/PERSIST_STORE:1.0.
 */
public final class PERSIST_STORE extends SystemException {
    public PERSIST_STORE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public PERSIST_STORE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public PERSIST_STORE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public PERSIST_STORE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

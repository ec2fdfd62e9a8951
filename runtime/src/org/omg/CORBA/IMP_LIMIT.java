package org.omg.CORBA;

/**
 * The standard system exception IMP_LIMIT, repository identifier
 * IDL:omg.org/CORBA/IMP_LIMIT:1.0.
 */
public final class IMP_LIMIT extends SystemException {
    public IMP_LIMIT() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public IMP_LIMIT(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public IMP_LIMIT(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public IMP_LIMIT(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception INTERNAL, repository identifier
 * IDL:omg.org/CORBA/INTERNAL:1.0.
 */
public final class INTERNAL extends SystemException {
    public INTERNAL() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INTERNAL(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INTERNAL(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INTERNAL(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception CODESET_INCOMPATIBLE, repository identifier
 * IDL:omg.org/CORBA/CODESET_INCOMPATIBLE:1.0.
 */
public final class CODESET_INCOMPATIBLE extends SystemException {
    public CODESET_INCOMPATIBLE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public CODESET_INCOMPATIBLE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public CODESET_INCOMPATIBLE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public CODESET_INCOMPATIBLE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception OBJECT_NOT_EXIST, repository identifier
 * IDL:omg.org/CORBA/OBJECT_NOT_EXIST:1.0.
 */
public final class OBJECT_NOT_EXIST extends SystemException {
    public OBJECT_NOT_EXIST() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public OBJECT_NOT_EXIST(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public OBJECT_NOT_EXIST(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public OBJECT_NOT_EXIST(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception OBJ_ADAPTER, repository identifier
 * IDL:omg.org/CORBA/OBJ_ADAPTER:1.0.
 */
public final class OBJ_ADAPTER extends SystemException {
    public OBJ_ADAPTER() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public OBJ_ADAPTER(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public OBJ_ADAPTER(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public OBJ_ADAPTER(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

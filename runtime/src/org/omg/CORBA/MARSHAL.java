package org.omg.CORBA;

/**
 * The standard system exception MARSHAL, repository identifier
 * IDL:omg.org/CORBA/MARSHAL:1.0.
 */
public final class MARSHAL extends SystemException {
    public MARSHAL() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public MARSHAL(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public MARSHAL(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public MARSHAL(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception BAD_TYPECODE, repository identifier
 * IDL:omg.org/CORBA/BAD_TYPECODE:1.0.
 */
public final class BAD_TYPECODE extends SystemException {
    public BAD_TYPECODE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_TYPECODE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_TYPECODE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public BAD_TYPECODE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

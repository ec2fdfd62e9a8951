package org.omg.CORBA;

/**
 * The standard system exception BAD_INV_ORDER, repository identifier
 * IDL:omg.org/CORBA/BAD_INV_ORDER:1.0.
 */
public final class BAD_INV_ORDER extends SystemException {
    public BAD_INV_ORDER() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_INV_ORDER(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_INV_ORDER(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public BAD_INV_ORDER(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

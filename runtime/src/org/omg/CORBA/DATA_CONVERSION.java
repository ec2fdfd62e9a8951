package org.omg.CORBA;

/**
 * The standard system exception DATA_CONVERSION, repository identifier
 * IDL:omg.org/CORBA/DATA_CONVERSION:1.0.
 */
public final class DATA_CONVERSION extends SystemException {
    public DATA_CONVERSION() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public DATA_CONVERSION(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public DATA_CONVERSION(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public DATA_CONVERSION(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

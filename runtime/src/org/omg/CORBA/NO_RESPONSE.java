package org.omg.CORBA;

/**
 * The standard system exception NO_RESPONSE, repository identifier
 * IDL:omg.org/CORBA/NO_RESPONSE:1.0.
 */
public final class NO_RESPONSE extends SystemException {
    public NO_RESPONSE() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_RESPONSE(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_RESPONSE(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public NO_RESPONSE(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

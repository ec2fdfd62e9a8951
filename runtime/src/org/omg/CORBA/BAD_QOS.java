package org.omg.CORBA;

/**
 * The standard system exception BAD_QOS, repository identifier
 * IDL:omg.org/CORBA/BAD_QOS:1.0.
 */
public final class BAD_QOS extends SystemException {
    public BAD_QOS() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_QOS(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public BAD_QOS(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public BAD_QOS(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA;

/**
 * The standard system exception NO_RESOURCES, repository identifier
 * IDL:omg.org/CORBA/NO_RESOURCES:1.0.
 */
public final class NO_RESOURCES extends SystemException {
    public NO_RESOURCES() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_RESOURCES(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public NO_RESOURCES(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public NO_RESOURCES(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

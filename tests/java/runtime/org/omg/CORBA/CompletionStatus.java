package org.omg.CORBA;

// Test stand-in: whether a failed call completed.
public final class CompletionStatus {
    public static final CompletionStatus COMPLETED_YES = new CompletionStatus(0);
    public static final CompletionStatus COMPLETED_NO = new CompletionStatus(1);
    public static final CompletionStatus COMPLETED_MAYBE = new CompletionStatus(2);

    private final int value;

    private CompletionStatus(int value) {
        this.value = value;
    }

    public int value() {
        return value;
    }
}

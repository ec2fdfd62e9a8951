package org.omg.CORBA.portable;

// Raised by a delegate to have its caller make the call again, for example
// after the object moved to another address.
public class RetryException extends RuntimeException {
    public RetryException() {
        super("retry the call");
    }

    public RetryException(String reason) {
        super(reason);
    }
}

package org.omg.CORBA;

// The root of the exceptions the runtime raises on its own: every system
// exception is one.  Unchecked, like the system exceptions themselves.
public abstract class CORBAException extends RuntimeException {
    protected CORBAException(String reason) {
        super(reason);
    }
}

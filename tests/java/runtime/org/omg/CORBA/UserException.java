package org.omg.CORBA;

// Test stand-in: the root of the exceptions declared in IDL.
public abstract class UserException extends Exception {
    protected UserException() {
    }
}

package org.omg.CORBA;

// The root of the exceptions declared in IDL.  Checked: an operation lists
// those it raises.
public abstract class UserException extends Exception implements org.omg.CORBA.portable.IDLEntity {
    protected UserException() {
    }

    protected UserException(String reason) {
        super(reason);
    }
}

package org.omg.CORBA.ORBPackage;

// Raised by ORB.resolve_initial_references for a name it does not know.
public final class InvalidName extends org.omg.CORBA.UserException {
    public InvalidName() {
        super("IDL:omg.org/CORBA/ORB/InvalidName:1.0");
    }

    public InvalidName(String reason) {
        super(reason);
    }
}

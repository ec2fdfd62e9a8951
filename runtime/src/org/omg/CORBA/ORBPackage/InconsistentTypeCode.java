package org.omg.CORBA.ORBPackage;

// Raised when a type code does not fit what is asked of it.
public final class InconsistentTypeCode extends org.omg.CORBA.UserException {
    public InconsistentTypeCode() {
        super("IDL:omg.org/CORBA/ORB/InconsistentTypeCode:1.0");
    }

    public InconsistentTypeCode(String reason) {
        super(reason);
    }
}

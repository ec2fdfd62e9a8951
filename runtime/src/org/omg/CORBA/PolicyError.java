// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class PolicyError
	extends org.omg.CORBA.UserException {
    //	instance variables
    public short reason;
    //	constructors
    public PolicyError() {
	super();
    }
    public PolicyError(short __reason) {
	super();
	reason = __reason;
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class InvalidPolicies
	extends org.omg.CORBA.UserException {
    //	instance variables
    public short[] indices;
    //	constructors
    public InvalidPolicies() {
	super();
    }
    public InvalidPolicies(short[] __indices) {
	super();
	indices = __indices;
    }
}

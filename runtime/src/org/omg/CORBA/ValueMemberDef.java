// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface ValueMemberDef
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.Contained,
	    org.omg.CORBA.IRObject {
}

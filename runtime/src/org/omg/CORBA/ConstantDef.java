// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface ConstantDef
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.Contained,
	    org.omg.CORBA.IRObject {
}

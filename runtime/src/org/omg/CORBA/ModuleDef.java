// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface ModuleDef
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.Container,
	    org.omg.CORBA.IRObject,
	    org.omg.CORBA.Contained {
}

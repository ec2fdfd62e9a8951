// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface StructDef
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.TypedefDef,
	    org.omg.CORBA.Contained,
	    org.omg.CORBA.IRObject,
	    org.omg.CORBA.IDLType,
	    org.omg.CORBA.Container {
}

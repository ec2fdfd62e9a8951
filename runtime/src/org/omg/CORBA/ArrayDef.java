// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface ArrayDef
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.IDLType,
	    org.omg.CORBA.IRObject {
}

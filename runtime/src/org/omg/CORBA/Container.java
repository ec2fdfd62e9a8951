// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface Container
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.IRObject {
}

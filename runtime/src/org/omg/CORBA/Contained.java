// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface Contained
    extends org.omg.CORBA.Object,
	    org.omg.CORBA.IRObject {
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface Current
    extends org.omg.CORBA.Object {
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface Policy
    extends org.omg.CORBA.Object {
    int policy_type() throws org.omg.CORBA.SystemException;
    org.omg.CORBA.Policy copy()
;
    void destroy()
;
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public interface DomainManager
    extends org.omg.CORBA.Object {
    org.omg.CORBA.Policy get_domain_policy(int policy_type)
;
}

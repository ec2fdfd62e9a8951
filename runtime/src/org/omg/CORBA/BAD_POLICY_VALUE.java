// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class BAD_POLICY_VALUE {
public static final short value = (short) (3L);};

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class UNSUPPORTED_POLICY_VALUE {
public static final short value = (short) (4L);};

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class Security {
public static final short value = (short) (1L);};

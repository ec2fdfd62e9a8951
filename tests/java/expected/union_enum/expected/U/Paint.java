/*
 * File: ./U/Paint.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Paint {
    //	instance variables
    private boolean __initialized;
    private U.Color __discriminator;
    private java.lang.Object __value;
    private U.Color _default = U.Color.WHITE;
     public void _default() {
          __initialized = true;
          __discriminator = _default;
     }
    //	constructor
    public Paint() {
	__initialized = false;
	__value = null;
    }
    //	discriminator accessor
    public U.Color discriminator() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return __discriminator;
    }
    //	branch constructors and get and set accessors
    public int r() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator.value()) {
	case U.Color._RED:
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.IntHolder) __value).value;
    }
    public U.Color g() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator.value()) {
	case U.Color._GREEN:
	case U.Color._BLUE:
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((U.ColorHolder) __value).value;
    }
    public void r(int value) {
	__initialized = true;
	__discriminator = (U.Color) (U.Color.RED);
	__value = new org.omg.CORBA.IntHolder(value);
    }
    public void g(U.Color value) {
	__initialized = true;
	__discriminator = (U.Color) (U.Color.GREEN);
	__value = new U.ColorHolder(value);
    }
    public void g(U.Color discriminator, U.Color value) {
	switch (discriminator.value()) {
	case U.Color._GREEN:
	case U.Color._BLUE:
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	__initialized = true;
	__discriminator = discriminator;
	__value = new U.ColorHolder(value);
    }
}

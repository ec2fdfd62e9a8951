/*
 * File: ./U/Mode.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Mode {
    //	instance variables
    private boolean __initialized;
    private U.Kind __discriminator;
    private java.lang.Object __value;
    private U.Kind _default = U.Kind.OFF;
    //	constructor
    public Mode() {
	__initialized = false;
	__value = null;
    }
    //	discriminator accessor
    public U.Kind discriminator() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return __discriminator;
    }
    //	branch constructors and get and set accessors
    public int level() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator.value()) {
	case U.Kind._ON:
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.IntHolder) __value).value;
    }
    public String note() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator.value()) {
	default:
	    break;
	case U.Kind._ON:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.StringHolder) __value).value;
    }
    public void level(int value) {
	__initialized = true;
	__discriminator = (U.Kind) (U.Kind.ON);
	__value = new org.omg.CORBA.IntHolder(value);
    }
    public void note(String value) {
        __initialized = true;
        __discriminator = (U.Kind) _default;
      __value = new org.omg.CORBA.StringHolder(value);
    }
    public void note(U.Kind discriminator, String value) {
	switch (discriminator.value()) {
	default:
	    break;
	case U.Kind._ON:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	__initialized = true;
	__discriminator = discriminator;
	__value = new org.omg.CORBA.StringHolder(value);
    }
}

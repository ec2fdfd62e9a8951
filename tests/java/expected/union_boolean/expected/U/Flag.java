/*
 * File: ./U/Flag.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Flag {
    //	instance variables
    private boolean __initialized;
    private boolean __discriminator;
    private java.lang.Object __value;
    private boolean _default = false;
    //	constructor
    public Flag() {
	__initialized = false;
	__value = null;
    }
    //	discriminator accessor
    public boolean discriminator() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return __discriminator;
    }
    //	branch constructors and get and set accessors
    public String yes() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch ((__discriminator) ? 1 : 0) {
	case 1:
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.StringHolder) __value).value;
    }
    public int other() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch ((__discriminator) ? 1 : 0) {
	default:
	    break;
	case 1:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.IntHolder) __value).value;
    }
    public void yes(String value) {
	__initialized = true;
	__discriminator = (boolean) (true);
	__value = new org.omg.CORBA.StringHolder(value);
    }
    public void other(int value) {
        __initialized = true;
        __discriminator = (boolean) _default;
      __value = new org.omg.CORBA.IntHolder(value);
    }
    public void other(boolean discriminator, int value) {
	switch ((discriminator) ? 1 : 0) {
	default:
	    break;
	case 1:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	__initialized = true;
	__discriminator = discriminator;
	__value = new org.omg.CORBA.IntHolder(value);
    }
}

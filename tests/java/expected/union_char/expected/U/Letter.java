/*
 * File: ./U/Letter.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Letter {
    //	instance variables
    private boolean __initialized;
    private char __discriminator;
    private java.lang.Object __value;
    private char _default = 'd';
     public void _default() {
          __initialized = true;
          __discriminator = _default;
     }
    //	constructor
    public Letter() {
	__initialized = false;
	__value = null;
    }
    //	discriminator accessor
    public char discriminator() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return __discriminator;
    }
    //	branch constructors and get and set accessors
    public short x() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (char) ('a'):
	case (char) ('b'):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.ShortHolder) __value).value;
    }
    public boolean y() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (char) ('c'):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.BooleanHolder) __value).value;
    }
    public void x(short value) {
	__initialized = true;
	__discriminator = (char) ('a');
	__value = new org.omg.CORBA.ShortHolder(value);
    }
    public void x(char discriminator, short value) {
	switch (discriminator) {
	case (char) ('a'):
	case (char) ('b'):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	__initialized = true;
	__discriminator = discriminator;
	__value = new org.omg.CORBA.ShortHolder(value);
    }
    public void y(boolean value) {
	__initialized = true;
	__discriminator = (char) ('c');
	__value = new org.omg.CORBA.BooleanHolder(value);
    }
}

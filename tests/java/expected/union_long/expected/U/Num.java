/*
 * File: ./U/Num.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Num {
    //	instance variables
    private boolean __initialized;
    private int __discriminator;
    private java.lang.Object __value;
    private int _default = 0;
    //	constructor
    public Num() {
	__initialized = false;
	__value = null;
    }
    //	discriminator accessor
    public int discriminator() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return __discriminator;
    }
    //	branch constructors and get and set accessors
    public int a() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (int) (1L):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.IntHolder) __value).value;
    }
    public String s() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (int) (2L):
	case (int) (3L):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.StringHolder) __value).value;
    }
    public char c() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (int) (-(1L)):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.CharHolder) __value).value;
    }
    public double d() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	default:
	    break;
	case (int) (1L):
	case (int) (2L):
	case (int) (3L):
	case (int) (-(1L)):
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.DoubleHolder) __value).value;
    }
    public void a(int value) {
	__initialized = true;
	__discriminator = (int) (1L);
	__value = new org.omg.CORBA.IntHolder(value);
    }
    public void s(String value) {
	__initialized = true;
	__discriminator = (int) (2L);
	__value = new org.omg.CORBA.StringHolder(value);
    }
    public void s(int discriminator, String value) {
	switch (discriminator) {
	case (int) (2L):
	case (int) (3L):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	__initialized = true;
	__discriminator = discriminator;
	__value = new org.omg.CORBA.StringHolder(value);
    }
    public void c(char value) {
	__initialized = true;
	__discriminator = (int) (-(1L));
	__value = new org.omg.CORBA.CharHolder(value);
    }
    public void d(double value) {
        __initialized = true;
        __discriminator = (int) _default;
      __value = new org.omg.CORBA.DoubleHolder(value);
    }
    public void d(int discriminator, double value) {
	switch (discriminator) {
	default:
	    break;
	case (int) (1L):
	case (int) (2L):
	case (int) (3L):
	case (int) (-(1L)):
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	__initialized = true;
	__discriminator = discriminator;
	__value = new org.omg.CORBA.DoubleHolder(value);
    }
}

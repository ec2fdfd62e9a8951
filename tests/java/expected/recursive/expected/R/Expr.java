/*
 * File: ./R/Expr.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class Expr {
    //	instance variables
    private boolean __initialized;
    private short __discriminator;
    private java.lang.Object __value;
    private short _default = 3;
     public void _default() {
          __initialized = true;
          __discriminator = _default;
     }
    //	constructor
    public Expr() {
	__initialized = false;
	__value = null;
    }
    //	discriminator accessor
    public short discriminator() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return __discriminator;
    }
    //	branch constructors and get and set accessors
    public int leaf() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (short) (1L):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return ((org.omg.CORBA.IntHolder) __value).value;
    }
    public R.Expr[] args() throws org.omg.CORBA.BAD_OPERATION {
	if (!__initialized) {
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	switch (__discriminator) {
	case (short) (2L):
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
	return (R.Expr[]) __value;
    }
    public void leaf(int value) {
	__initialized = true;
	__discriminator = (short) (1L);
	__value = new org.omg.CORBA.IntHolder(value);
    }
    public void args(R.Expr[] value) {
	__initialized = true;
	__discriminator = (short) (2L);
	__value = value;
    }
}

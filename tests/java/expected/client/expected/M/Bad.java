/*
 * File: ./M/Bad.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class Bad
	extends org.omg.CORBA.UserException {
    //	instance variables
    public int code;
    //	constructors
    public Bad() {
	super();
    }
    public Bad(int __code) {
	super();
	code = __code;
    }
}

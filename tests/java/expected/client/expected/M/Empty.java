/*
 * File: ./M/Empty.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class Empty
	extends org.omg.CORBA.UserException {
    //	constructor
    public Empty() {
	super();
    }
}

/*
 * File: ./Shop/StorePackage/Busy.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop.StorePackage;
public final class Busy
	extends org.omg.CORBA.UserException {
    //	instance variables
    public int seconds;
    //	constructors
    public Busy() {
	super();
    }
    public Busy(int __seconds) {
	super();
	seconds = __seconds;
    }
}

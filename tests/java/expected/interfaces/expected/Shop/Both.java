/*
 * File: ./Shop/Both.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public interface Both
    extends org.omg.CORBA.Object,
	    Shop.Store,
	    Shop.Other,
	    Shop.Base {
    public static final int LIMIT = (int) (10L);
    public static final String GREETING = (String) ("hi");
    double measure(float f)
;
}

/*
 * File: ./Shop/Base.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public interface Base
    extends org.omg.CORBA.Object {
    int count() throws org.omg.CORBA.SystemException;
    int ping(int x)
;
}

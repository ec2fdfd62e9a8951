/*
 * File: ./Shop/Other.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public interface Other
    extends org.omg.CORBA.Object {
    void poke()
;
    short level() throws org.omg.CORBA.SystemException;
    void level(short arg) throws org.omg.CORBA.SystemException;
    boolean check(char c)
;
}

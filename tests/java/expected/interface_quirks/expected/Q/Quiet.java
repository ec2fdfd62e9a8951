/*
 * File: ./Q/Quiet.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public interface Quiet
    extends org.omg.CORBA.Object {
    void hush()
;
}

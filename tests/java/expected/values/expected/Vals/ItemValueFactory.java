/*
 * File: ./Vals/ItemValueFactory.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public interface ItemValueFactory extends org.omg.CORBA.portable.ValueFactory {
    Vals.Item create(String title)
;
}

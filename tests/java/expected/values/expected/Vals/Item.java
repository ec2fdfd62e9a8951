/*
 * File: ./Vals/Item.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Item implements org.omg.CORBA.portable.StreamableValue, Vals.Sized, Vals.Named {
    public String title;
    public String[] _truncatable_ids() {
        return ItemHelper.__ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        ItemHelper.__writeState(out, this);
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        ItemHelper.__readState(in, this);
    }
    public org.omg.CORBA.TypeCode __type() {
        return ItemHelper.type();
    }
}

/*
 * File: ./Vals/Item.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Item implements org.omg.CORBA.portable.StreamableValue, Vals.Sized, Vals.Named {
    public String title;
    private static final String[] __ids = {
        Vals.ItemHelper.id()
    };
    public String[] _truncatable_ids() {
        return __ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        out.write_string(this.title);
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        this.title = in.read_string();
    }
    public org.omg.CORBA.TypeCode __type() {
        return Vals.ItemHelper.type();
    }
}

/*
 * File: ./Vals/ItemHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class ItemHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Vals.Item value;
    //	constructors 
    public ItemHolder() {
	this(null);
    }
    public ItemHolder(Vals.Item __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Vals.ItemHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Vals.ItemHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Vals.ItemHelper.type();
    }
}

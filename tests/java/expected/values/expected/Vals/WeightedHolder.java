/*
 * File: ./Vals/WeightedHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class WeightedHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Vals.Weighted value;
    //	constructors 
    public WeightedHolder() {
	this(null);
    }
    public WeightedHolder(Vals.Weighted __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Vals.WeightedHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Vals.WeightedHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Vals.WeightedHelper.type();
    }
}

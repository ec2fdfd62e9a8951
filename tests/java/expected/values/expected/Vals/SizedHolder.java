/*
 * File: ./Vals/SizedHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class SizedHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Vals.Sized value;
    //	constructors 
    public SizedHolder() {
	this(null);
    }
    public SizedHolder(Vals.Sized __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Vals.SizedHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Vals.SizedHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Vals.SizedHelper.type();
    }
}

/*
 * File: ./Vals/SpecialHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class SpecialHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Vals.Special value;
    //	constructors 
    public SpecialHolder() {
	this(null);
    }
    public SpecialHolder(Vals.Special __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Vals.SpecialHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Vals.SpecialHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Vals.SpecialHelper.type();
    }
}

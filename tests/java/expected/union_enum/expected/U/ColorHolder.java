/*
 * File: ./U/ColorHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class ColorHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public U.Color value;
    //	constructors 
    public ColorHolder() {
	this(null);
    }
    public ColorHolder(U.Color __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        U.ColorHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = U.ColorHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return U.ColorHelper.type();
    }
}

/*
 * File: ./U/NumHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class NumHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public U.Num value;
    //	constructors 
    public NumHolder() {
	this(null);
    }
    public NumHolder(U.Num __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        U.NumHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = U.NumHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return U.NumHelper.type();
    }
}

/*
 * File: ./U/FlagHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class FlagHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public U.Flag value;
    //	constructors 
    public FlagHolder() {
	this(null);
    }
    public FlagHolder(U.Flag __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        U.FlagHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = U.FlagHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return U.FlagHelper.type();
    }
}

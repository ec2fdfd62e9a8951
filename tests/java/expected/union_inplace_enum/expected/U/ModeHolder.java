/*
 * File: ./U/ModeHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class ModeHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public U.Mode value;
    //	constructors 
    public ModeHolder() {
	this(null);
    }
    public ModeHolder(U.Mode __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        U.ModeHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = U.ModeHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return U.ModeHelper.type();
    }
}

/*
 * File: ./U/KindHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class KindHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public U.Kind value;
    //	constructors 
    public KindHolder() {
	this(null);
    }
    public KindHolder(U.Kind __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        U.KindHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = U.KindHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return U.KindHelper.type();
    }
}

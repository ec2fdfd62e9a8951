/*
 * File: ./U/PaintHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class PaintHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public U.Paint value;
    //	constructors 
    public PaintHolder() {
	this(null);
    }
    public PaintHolder(U.Paint __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        U.PaintHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = U.PaintHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return U.PaintHelper.type();
    }
}

/*
 * File: ./Q/BoundedHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class BoundedHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public int[] value;
    //	constructors 
    public BoundedHolder() {
	this(null);
    }
    public BoundedHolder(int[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.BoundedHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.BoundedHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.BoundedHelper.type();
    }
}

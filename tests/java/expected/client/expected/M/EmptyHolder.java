/*
 * File: ./M/EmptyHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class EmptyHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public M.Empty value;
    //	constructors 
    public EmptyHolder() {
	this(null);
    }
    public EmptyHolder(M.Empty __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        M.EmptyHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = M.EmptyHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return M.EmptyHelper.type();
    }
}

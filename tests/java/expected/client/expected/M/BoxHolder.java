/*
 * File: ./M/BoxHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class BoxHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public M.Box value;
    //	constructors 
    public BoxHolder() {
	this(null);
    }
    public BoxHolder(M.Box __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        M.BoxHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = M.BoxHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return M.BoxHelper.type();
    }
}

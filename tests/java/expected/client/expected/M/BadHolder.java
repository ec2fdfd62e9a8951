/*
 * File: ./M/BadHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class BadHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public M.Bad value;
    //	constructors 
    public BadHolder() {
	this(null);
    }
    public BadHolder(M.Bad __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        M.BadHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = M.BadHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return M.BadHelper.type();
    }
}

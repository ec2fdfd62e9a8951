/*
 * File: ./Q/QuietHolder.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class QuietHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Q.Quiet value;
    //	constructors 
    public QuietHolder() {
	this(null);
    }
    public QuietHolder(Q.Quiet __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.QuietHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.QuietHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.QuietHelper.type();
    }
}

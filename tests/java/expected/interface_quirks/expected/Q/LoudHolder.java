/*
 * File: ./Q/LoudHolder.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class LoudHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Q.Loud value;
    //	constructors 
    public LoudHolder() {
	this(null);
    }
    public LoudHolder(Q.Loud __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.LoudHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.LoudHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.LoudHelper.type();
    }
}

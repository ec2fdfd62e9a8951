/*
 * File: ./Q/SHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class SHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Q.S value;
    //	constructors 
    public SHolder() {
	this(null);
    }
    public SHolder(Q.S __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.SHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.SHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.SHelper.type();
    }
}

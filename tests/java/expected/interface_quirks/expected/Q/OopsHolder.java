/*
 * File: ./Q/OopsHolder.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class OopsHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Q.Oops value;
    //	constructors 
    public OopsHolder() {
	this(null);
    }
    public OopsHolder(Q.Oops __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.OopsHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.OopsHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.OopsHelper.type();
    }
}

/*
 * File: ./Q/NamesHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class NamesHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public String[] value;
    //	constructors 
    public NamesHolder() {
	this(null);
    }
    public NamesHolder(String[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.NamesHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.NamesHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.NamesHelper.type();
    }
}

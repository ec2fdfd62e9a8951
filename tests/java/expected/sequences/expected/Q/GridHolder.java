/*
 * File: ./Q/GridHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class GridHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public short[][] value;
    //	constructors 
    public GridHolder() {
	this(null);
    }
    public GridHolder(short[][] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.GridHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.GridHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.GridHelper.type();
    }
}

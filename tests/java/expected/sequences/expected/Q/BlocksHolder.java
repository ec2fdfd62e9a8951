/*
 * File: ./Q/BlocksHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class BlocksHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public byte[][] value;
    //	constructors 
    public BlocksHolder() {
	this(null);
    }
    public BlocksHolder(byte[][] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Q.BlocksHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Q.BlocksHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Q.BlocksHelper.type();
    }
}

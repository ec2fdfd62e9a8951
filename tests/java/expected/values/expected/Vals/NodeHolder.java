/*
 * File: ./Vals/NodeHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class NodeHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Vals.Node value;
    //	constructors 
    public NodeHolder() {
	this(null);
    }
    public NodeHolder(Vals.Node __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Vals.NodeHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Vals.NodeHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Vals.NodeHelper.type();
    }
}

/*
 * File: ./R/TreeHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class TreeHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public R.Tree value;
    //	constructors 
    public TreeHolder() {
	this(null);
    }
    public TreeHolder(R.Tree __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        R.TreeHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = R.TreeHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return R.TreeHelper.type();
    }
}

/*
 * File: ./R/ForestHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class ForestHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public R.Forest value;
    //	constructors 
    public ForestHolder() {
	this(null);
    }
    public ForestHolder(R.Forest __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        R.ForestHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = R.ForestHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return R.ForestHelper.type();
    }
}

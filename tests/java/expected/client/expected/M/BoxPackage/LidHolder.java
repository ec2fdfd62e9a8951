/*
 * File: ./M/BoxPackage/LidHolder.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M.BoxPackage;
public final class LidHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public M.BoxPackage.Lid value;
    //	constructors 
    public LidHolder() {
	this(null);
    }
    public LidHolder(M.BoxPackage.Lid __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        M.BoxPackage.LidHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = M.BoxPackage.LidHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return M.BoxPackage.LidHelper.type();
    }
}

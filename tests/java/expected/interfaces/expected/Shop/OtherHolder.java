/*
 * File: ./Shop/OtherHolder.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public final class OtherHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Shop.Other value;
    //	constructors 
    public OtherHolder() {
	this(null);
    }
    public OtherHolder(Shop.Other __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Shop.OtherHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Shop.OtherHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Shop.OtherHelper.type();
    }
}

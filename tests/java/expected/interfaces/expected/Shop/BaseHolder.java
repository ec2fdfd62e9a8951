/*
 * File: ./Shop/BaseHolder.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public final class BaseHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Shop.Base value;
    //	constructors 
    public BaseHolder() {
	this(null);
    }
    public BaseHolder(Shop.Base __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Shop.BaseHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Shop.BaseHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Shop.BaseHelper.type();
    }
}

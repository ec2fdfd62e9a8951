/*
 * File: ./Shop/StoreHolder.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public final class StoreHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Shop.Store value;
    //	constructors 
    public StoreHolder() {
	this(null);
    }
    public StoreHolder(Shop.Store __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Shop.StoreHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Shop.StoreHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Shop.StoreHelper.type();
    }
}

/*
 * File: ./Shop/StorePackage/BusyHolder.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop.StorePackage;
public final class BusyHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public Shop.StorePackage.Busy value;
    //	constructors 
    public BusyHolder() {
	this(null);
    }
    public BusyHolder(Shop.StorePackage.Busy __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        Shop.StorePackage.BusyHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = Shop.StorePackage.BusyHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return Shop.StorePackage.BusyHelper.type();
    }
}

/*
 * File: ./Shop/StoreHelper.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public final class StoreHelper {
     // It is useless to have instances of this class
     private StoreHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Shop.Store that) {
        out.write_Object(that);
    }
    public static Shop.Store __read(org.omg.CORBA.portable.InputStream in) {
        return narrow(in.read_Object());
    }
   public static Shop.Store extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Shop.Store that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_interface_tc(id(), "Store");
      return _tc;
   }
   public static String id() {
       return "IDL:Shop/Store:1.0";
   }
   public static boolean _is_a(org.omg.CORBA.Object that)
 {
        if (that == null)
           return true;
	else 
           return that._is_a(id());
   }
   public static Shop.Store narrow(org.omg.CORBA.Object that)
	    throws org.omg.CORBA.BAD_PARAM {
        if (that == null)
            return null;
        if (that instanceof Shop.Store)
            return (Shop.Store) that;
	if (!_is_a(that)) {
	    throw new org.omg.CORBA.BAD_PARAM();
	}
        org.omg.CORBA.portable.Delegate dup = ((org.omg.CORBA.portable.ObjectImpl)that)._get_delegate();
        Shop.Store result = new Shop._StoreStub(dup);
        return result;
   }
}

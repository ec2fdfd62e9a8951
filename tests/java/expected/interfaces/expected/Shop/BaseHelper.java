/*
 * File: ./Shop/BaseHelper.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public final class BaseHelper {
     // It is useless to have instances of this class
     private BaseHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Shop.Base that) {
        out.write_Object(that);
    }
    public static Shop.Base __read(org.omg.CORBA.portable.InputStream in) {
        return narrow(in.read_Object());
    }
   public static Shop.Base extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Shop.Base that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_interface_tc(id(), "Base");
      return _tc;
   }
   public static String id() {
       return "IDL:Shop/Base:1.0";
   }
   public static boolean _is_a(org.omg.CORBA.Object that)
 {
        if (that == null)
           return true;
	else 
           return that._is_a(id());
   }
   public static Shop.Base narrow(org.omg.CORBA.Object that)
	    throws org.omg.CORBA.BAD_PARAM {
        if (that == null)
            return null;
        if (that instanceof Shop.Base)
            return (Shop.Base) that;
	if (!_is_a(that)) {
	    throw new org.omg.CORBA.BAD_PARAM();
	}
        org.omg.CORBA.portable.Delegate dup = ((org.omg.CORBA.portable.ObjectImpl)that)._get_delegate();
        Shop.Base result = new Shop._BaseStub(dup);
        return result;
   }
}

/*
 * File: ./Shop/StorePackage/TicketHelper.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop.StorePackage;
public final class TicketHelper {
     // It is useless to have instances of this class
     private TicketHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, int that)  {
          out.write_long(that);
    }
    public static int __read(org.omg.CORBA.portable.InputStream in) {
          int that;
          that = in.read_long();
          return that;
    }
   public static int extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, int that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "Ticket", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long));
      return _tc;
   }
   public static String id() {
       return "IDL:Shop/Store/Ticket:1.0";
   }
}

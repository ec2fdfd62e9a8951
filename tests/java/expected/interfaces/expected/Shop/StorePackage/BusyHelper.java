/*
 * File: ./Shop/StorePackage/BusyHelper.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop.StorePackage;
public final class BusyHelper {
     // It is useless to have instances of this class
     private BusyHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Shop.StorePackage.Busy that) {
    out.write_string(id());

	out.write_long(that.seconds);
    }
    public static Shop.StorePackage.Busy __read(org.omg.CORBA.portable.InputStream in) {
        Shop.StorePackage.Busy that = new Shop.StorePackage.Busy();
         // read and discard the repository id
        in.read_string();

	that.seconds = in.read_long();
    return that;
    }
   public static Shop.StorePackage.Busy extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Shop.StorePackage.Busy that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 1;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.StructMember[1];
               _members[0] = new org.omg.CORBA.StructMember(
                 "seconds",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_exception_tc(id(), "Busy", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:Shop/Store/Busy:1.0";
   }
}

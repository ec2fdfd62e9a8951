/*
 * File: ./U/ColorHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class ColorHelper {
     // It is useless to have instances of this class
     private ColorHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, U.Color that)  {
    out.write_long(that.value());
    }
    public static U.Color __read(org.omg.CORBA.portable.InputStream in)  {
    return U.Color.from_int(in.read_long());
    }
   public static U.Color extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, U.Color that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   private static final int _memberCount = 4;
   private static String[] _members = {
                  "RED",
                  "GREEN",
                  "BLUE",
                  "WHITE"
   };
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_enum_tc(id(), "Color", _members);
      return _tc;
   }
   public static String id() {
       return "IDL:U/Color:1.0";
   }
}

/*
 * File: ./M/CrateHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class CrateHelper {
     // It is useless to have instances of this class
     private CrateHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, M.Box that)  {
          M.BoxHelper.__write(out, that);
    }
    public static M.Box __read(org.omg.CORBA.portable.InputStream in) {
          M.Box that;
          that = M.BoxHelper.__read(in);
          return that;
    }
   public static M.Box extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, M.Box that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "Crate", M.BoxHelper.type());
      return _tc;
   }
   public static String id() {
       return "IDL:p/M/Crate:1.0";
   }
}

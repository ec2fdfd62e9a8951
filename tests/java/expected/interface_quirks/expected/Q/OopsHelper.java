/*
 * File: ./Q/OopsHelper.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class OopsHelper {
     // It is useless to have instances of this class
     private OopsHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Q.Oops that) {
    out.write_string(id());
 }
    public static Q.Oops __read(org.omg.CORBA.portable.InputStream in) {
        Q.Oops that = new Q.Oops();
         // read and discard the repository id
        in.read_string();
    return that;
    }
   public static Q.Oops extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Q.Oops that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 0;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.StructMember[0];
             _tc = org.omg.CORBA.ORB.init().create_exception_tc(id(), "Oops", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:Q/Oops:1.0";
   }
}

/*
 * File: ./M/BadHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class BadHelper {
     // It is useless to have instances of this class
     private BadHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, M.Bad that) {
    out.write_string(id());

	out.write_long(that.code);
    }
    public static M.Bad __read(org.omg.CORBA.portable.InputStream in) {
        M.Bad that = new M.Bad();
         // read and discard the repository id
        in.read_string();

	that.code = in.read_long();
    return that;
    }
   public static M.Bad extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, M.Bad that) {
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
                 "code",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_exception_tc(id(), "Bad", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:p/M/Bad:1.0";
   }
}

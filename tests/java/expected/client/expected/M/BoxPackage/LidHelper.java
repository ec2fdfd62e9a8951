/*
 * File: ./M/BoxPackage/LidHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M.BoxPackage;
public final class LidHelper {
     // It is useless to have instances of this class
     private LidHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, M.BoxPackage.Lid that) {
	out.write_boolean(that.open);
    }
    public static M.BoxPackage.Lid __read(org.omg.CORBA.portable.InputStream in) {
        M.BoxPackage.Lid that = new M.BoxPackage.Lid();
	that.open = in.read_boolean();
        return that;
    }
   public static M.BoxPackage.Lid extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, M.BoxPackage.Lid that) {
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
                 "open",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_boolean),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "Lid", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:p/M/Box/Lid:1.0";
   }
}

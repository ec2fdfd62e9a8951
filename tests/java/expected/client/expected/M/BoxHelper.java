/*
 * File: ./M/BoxHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class BoxHelper {
     // It is useless to have instances of this class
     private BoxHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, M.Box that) {
	M.BoxPackage.LidHelper.__write(out, that.lid);
	M.ColorHelper.__write(out, that.c);
	out.write_string(that.s);
	out.write_long(that.n);
    }
    public static M.Box __read(org.omg.CORBA.portable.InputStream in) {
        M.Box that = new M.Box();
	that.lid = M.BoxPackage.LidHelper.__read(in);
	that.c = M.ColorHelper.__read(in);
	that.s = in.read_string();
	that.n = in.read_long();
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
       int _memberCount = 4;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.StructMember[4];
               _members[0] = new org.omg.CORBA.StructMember(
                 "lid",
                 M.BoxPackage.LidHelper.type(),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "c",
                 M.ColorHelper.type(),
                 null);
               _members[2] = new org.omg.CORBA.StructMember(
                 "s",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[3] = new org.omg.CORBA.StructMember(
                 "n",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "Box", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:p/M/Box:1.0";
   }
}

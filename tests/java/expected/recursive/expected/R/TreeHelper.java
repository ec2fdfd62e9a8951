/*
 * File: ./R/TreeHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class TreeHelper {
     // It is useless to have instances of this class
     private TreeHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, R.Tree that) {
	out.write_string(that.label);
	{
	    out.write_long(that.kids.length);
	    for (int __index = 0 ; __index < that.kids.length ; __index += 1) {
	        R.TreeHelper.__write(out, that.kids[__index]);
	    }
	}
    }
    public static R.Tree __read(org.omg.CORBA.portable.InputStream in) {
        R.Tree that = new R.Tree();
	that.label = in.read_string();
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.kids = new R.Tree[__length];
	    for (int __index = 0 ; __index < that.kids.length ; __index += 1) {
	        that.kids[__index] = R.TreeHelper.__read(in);
	    }
	}
        return that;
    }
   public static R.Tree extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, R.Tree that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   private static boolean __active = false;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 2;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
             if (__active) {
                return org.omg.CORBA.ORB.init().create_recursive_tc(id());
             }
             __active = true;
               _members= new org.omg.CORBA.StructMember[2];
               _members[0] = new org.omg.CORBA.StructMember(
                 "label",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "kids",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, R.TreeHelper.type()),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "Tree", _members);
             __active = false;
          }
      return _tc;
   }
   public static String id() {
       return "IDL:R/Tree:1.0";
   }
}

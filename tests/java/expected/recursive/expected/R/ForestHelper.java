/*
 * File: ./R/ForestHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class ForestHelper {
     // It is useless to have instances of this class
     private ForestHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, R.Forest that) {
	{
	    out.write_long(that.trees.length);
	    for (int __index = 0 ; __index < that.trees.length ; __index += 1) {
	        R.TreeHelper.__write(out, that.trees[__index]);
	    }
	}
    }
    public static R.Forest __read(org.omg.CORBA.portable.InputStream in) {
        R.Forest that = new R.Forest();
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.trees = new R.Tree[__length];
	    for (int __index = 0 ; __index < that.trees.length ; __index += 1) {
	        that.trees[__index] = R.TreeHelper.__read(in);
	    }
	}
        return that;
    }
   public static R.Forest extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, R.Forest that) {
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
                 "trees",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, R.TreeHelper.type()),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "Forest", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:R/Forest:1.0";
   }
}

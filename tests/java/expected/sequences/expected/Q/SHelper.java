/*
 * File: ./Q/SHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class SHelper {
     // It is useless to have instances of this class
     private SHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Q.S that) {
	{
	    out.write_long(that.d.length);
	    out.write_double_array(that.d, 0, that.d.length);
	}
	{
	    if (that.c.length != (2L)) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    out.write_char_array(that.c, 0, that.c.length);
	}
	{
	    out.write_long(that.n.length);
	    for (int __index = 0 ; __index < that.n.length ; __index += 1) {
	        if (that.n[__index].length > (3L)) {
	            throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	        }
	        out.write_long(that.n[__index].length);
	        out.write_string_array(that.n[__index], 0, that.n[__index].length);
	    }
	}
	{
	    if (that.g.length != (2L)) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    for (int __index = 0 ; __index < (2L) ; __index += 1) {
	        if (that.g[__index].length != (3L)) {
	            throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	        }
	        out.write_short_array(that.g[__index], 0, that.g[__index].length);
	    }
	}
    }
    public static Q.S __read(org.omg.CORBA.portable.InputStream in) {
        Q.S that = new Q.S();
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.d = new double[__length];
	    in.read_double_array(that.d, 0, that.d.length);
	}
	{
	    that.c = new char[(int) (2L)];
	    in.read_char_array(that.c, 0, that.c.length);
	}
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.n = new String[__length][];
	    for (int __index = 0 ; __index < that.n.length ; __index += 1) {
	        int __length2 = in.read_long();
	        if (__length2 > (3L)) {
	            throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	        }
	        if (__length2 < 0 || __length2 > in.available()) {
	            throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	        }
	        that.n[__index] = new String[__length2];
	        in.read_string_array(that.n[__index], 0, that.n[__index].length);
	    }
	}
	{
	    that.g = new short[(int) (2L)][(int) (3L)];
	    for (int __index = 0 ; __index < (2L) ; __index += 1) {
	        that.g[__index] = new short[(int) (3L)];
	        in.read_short_array(that.g[__index], 0, that.g[__index].length);
	    }
	}
        return that;
    }
   public static Q.S extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Q.S that) {
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
                 "d",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_double)),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "c",
                 org.omg.CORBA.ORB.init().create_array_tc((int) (2L), org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_char)),
                 null);
               _members[2] = new org.omg.CORBA.StructMember(
                 "n",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().create_sequence_tc((int) (3L), org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string))),
                 null);
               _members[3] = new org.omg.CORBA.StructMember(
                 "g",
                 org.omg.CORBA.ORB.init().create_array_tc((int) (2L), org.omg.CORBA.ORB.init().create_array_tc((int) (3L), org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short))),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "S", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:Q/S:1.0";
   }
}

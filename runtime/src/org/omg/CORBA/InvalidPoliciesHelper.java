// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class InvalidPoliciesHelper {
     // It is useless to have instances of this class
     private InvalidPoliciesHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.InvalidPolicies that) {
    out.write_string(id());

	{
	    out.write_long(that.indices.length);
	    out.write_ushort_array(that.indices, 0, that.indices.length);
	}
    }
    public static org.omg.CORBA.InvalidPolicies __read(org.omg.CORBA.portable.InputStream in) {
        org.omg.CORBA.InvalidPolicies that = new org.omg.CORBA.InvalidPolicies();
         // read and discard the repository id
        in.read_string();

	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.indices = new short[__length];
	    in.read_ushort_array(that.indices, 0, that.indices.length);
	}
    return that;
    }
   public static org.omg.CORBA.InvalidPolicies extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.InvalidPolicies that) {
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
                 "indices",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_ushort)),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_exception_tc(id(), "InvalidPolicies", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/InvalidPolicies:1.0";
   }
}

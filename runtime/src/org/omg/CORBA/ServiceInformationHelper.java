// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ServiceInformationHelper {
     // It is useless to have instances of this class
     private ServiceInformationHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.ServiceInformation that) {
	{
	    out.write_long(that.service_options.length);
	    out.write_ulong_array(that.service_options, 0, that.service_options.length);
	}
	{
	    out.write_long(that.service_details.length);
	    for (int __index = 0 ; __index < that.service_details.length ; __index += 1) {
	        org.omg.CORBA.ServiceDetailHelper.__write(out, that.service_details[__index]);
	    }
	}
    }
    public static org.omg.CORBA.ServiceInformation __read(org.omg.CORBA.portable.InputStream in) {
        org.omg.CORBA.ServiceInformation that = new org.omg.CORBA.ServiceInformation();
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.service_options = new int[__length];
	    in.read_ulong_array(that.service_options, 0, that.service_options.length);
	}
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.service_details = new org.omg.CORBA.ServiceDetail[__length];
	    for (int __index = 0 ; __index < that.service_details.length ; __index += 1) {
	        that.service_details[__index] = org.omg.CORBA.ServiceDetailHelper.__read(in);
	    }
	}
        return that;
    }
   public static org.omg.CORBA.ServiceInformation extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.ServiceInformation that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 2;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.StructMember[2];
               _members[0] = new org.omg.CORBA.StructMember(
                 "service_options",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_ulong)),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "service_details",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ServiceDetailHelper.type()),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "ServiceInformation", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/ServiceInformation:1.0";
   }
}

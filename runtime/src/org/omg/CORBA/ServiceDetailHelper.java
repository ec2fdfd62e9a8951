// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ServiceDetailHelper {
     // It is useless to have instances of this class
     private ServiceDetailHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.ServiceDetail that) {
	out.write_ulong(that.service_detail_type);
	{
	    out.write_long(that.service_detail.length);
	    out.write_octet_array(that.service_detail, 0, that.service_detail.length);
	}
    }
    public static org.omg.CORBA.ServiceDetail __read(org.omg.CORBA.portable.InputStream in) {
        org.omg.CORBA.ServiceDetail that = new org.omg.CORBA.ServiceDetail();
	that.service_detail_type = in.read_ulong();
	{
	    int __length = in.read_long();
	    if (__length < 0 || __length > in.available()) {
	        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	    }
	    that.service_detail = new byte[__length];
	    in.read_octet_array(that.service_detail, 0, that.service_detail.length);
	}
        return that;
    }
   public static org.omg.CORBA.ServiceDetail extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.ServiceDetail that) {
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
                 "service_detail_type",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_ulong),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "service_detail",
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_octet)),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "ServiceDetail", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/ServiceDetail:1.0";
   }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class PolicyErrorHelper {
     // It is useless to have instances of this class
     private PolicyErrorHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.PolicyError that) {
    out.write_string(id());

	out.write_short(that.reason);
    }
    public static org.omg.CORBA.PolicyError __read(org.omg.CORBA.portable.InputStream in) {
        org.omg.CORBA.PolicyError that = new org.omg.CORBA.PolicyError();
         // read and discard the repository id
        in.read_string();

	that.reason = in.read_short();
    return that;
    }
   public static org.omg.CORBA.PolicyError extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.PolicyError that) {
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
                 "reason",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_exception_tc(id(), "PolicyError", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/PolicyError:1.0";
   }
}

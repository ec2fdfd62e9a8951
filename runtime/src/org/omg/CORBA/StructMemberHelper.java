// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class StructMemberHelper {
     // It is useless to have instances of this class
     private StructMemberHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.StructMember that) {
	out.write_string(that.name);
	out.write_TypeCode(that.type);
	org.omg.CORBA.IDLTypeHelper.__write(out, that.type_def);
    }
    public static org.omg.CORBA.StructMember __read(org.omg.CORBA.portable.InputStream in) {
        org.omg.CORBA.StructMember that = new org.omg.CORBA.StructMember();
	that.name = in.read_string();
	that.type = in.read_TypeCode();
	that.type_def = org.omg.CORBA.IDLTypeHelper.__read(in);
        return that;
    }
   public static org.omg.CORBA.StructMember extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.StructMember that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 3;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.StructMember[3];
               _members[0] = new org.omg.CORBA.StructMember(
                 "name",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "type",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_TypeCode),
                 null);
               _members[2] = new org.omg.CORBA.StructMember(
                 "type_def",
                 org.omg.CORBA.IDLTypeHelper.type(),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "StructMember", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/StructMember:1.0";
   }
}

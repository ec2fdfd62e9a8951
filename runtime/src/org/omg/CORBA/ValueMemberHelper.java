// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ValueMemberHelper {
     // It is useless to have instances of this class
     private ValueMemberHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.ValueMember that) {
	out.write_string(that.name);
	out.write_string(that.id);
	out.write_string(that.defined_in);
	out.write_string(that.version);
	out.write_TypeCode(that.type);
	org.omg.CORBA.IDLTypeHelper.__write(out, that.type_def);
	out.write_short(that.access);
    }
    public static org.omg.CORBA.ValueMember __read(org.omg.CORBA.portable.InputStream in) {
        org.omg.CORBA.ValueMember that = new org.omg.CORBA.ValueMember();
	that.name = in.read_string();
	that.id = in.read_string();
	that.defined_in = in.read_string();
	that.version = in.read_string();
	that.type = in.read_TypeCode();
	that.type_def = org.omg.CORBA.IDLTypeHelper.__read(in);
	that.access = in.read_short();
        return that;
    }
   public static org.omg.CORBA.ValueMember extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.ValueMember that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 7;
       org.omg.CORBA.StructMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.StructMember[7];
               _members[0] = new org.omg.CORBA.StructMember(
                 "name",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[1] = new org.omg.CORBA.StructMember(
                 "id",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[2] = new org.omg.CORBA.StructMember(
                 "defined_in",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[3] = new org.omg.CORBA.StructMember(
                 "version",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               _members[4] = new org.omg.CORBA.StructMember(
                 "type",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_TypeCode),
                 null);
               _members[5] = new org.omg.CORBA.StructMember(
                 "type_def",
                 org.omg.CORBA.IDLTypeHelper.type(),
                 null);
               _members[6] = new org.omg.CORBA.StructMember(
                 "access",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short),
                 null);
             _tc = org.omg.CORBA.ORB.init().create_struct_tc(id(), "ValueMember", _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/ValueMember:1.0";
   }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class SetOverrideTypeHelper {
     // It is useless to have instances of this class
     private SetOverrideTypeHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.SetOverrideType that)  {
    out.write_long(that.value());
    }
    public static org.omg.CORBA.SetOverrideType __read(org.omg.CORBA.portable.InputStream in)  {
    return org.omg.CORBA.SetOverrideType.from_int(in.read_long());
    }
   public static org.omg.CORBA.SetOverrideType extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.SetOverrideType that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   private static final int _memberCount = 2;
   private static String[] _members = {
                  "SET_OVERRIDE",
                  "ADD_OVERRIDE"
   };
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_enum_tc(id(), "SetOverrideType", _members);
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/SetOverrideType:1.0";
   }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ServiceDetailTypeHelper {
     // It is useless to have instances of this class
     private ServiceDetailTypeHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, int that)  {
          out.write_ulong(that);
    }
    public static int __read(org.omg.CORBA.portable.InputStream in) {
          int that;
          that = in.read_ulong();
          return that;
    }
   public static int extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, int that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "ServiceDetailType", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_ulong));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/ServiceDetailType:1.0";
   }
}

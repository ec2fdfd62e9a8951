// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class IdentifierHelper {
     // It is useless to have instances of this class
     private IdentifierHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, String that)  {
          out.write_string(that);
    }
    public static String __read(org.omg.CORBA.portable.InputStream in) {
          String that;
          that = in.read_string();
          return that;
    }
   public static String extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, String that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "Identifier", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/Identifier:1.0";
   }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class VisibilityHelper {
     // It is useless to have instances of this class
     private VisibilityHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, short that)  {
          out.write_short(that);
    }
    public static short __read(org.omg.CORBA.portable.InputStream in) {
          short that;
          that = in.read_short();
          return that;
    }
   public static short extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, short that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "Visibility", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/Visibility:1.0";
   }
}

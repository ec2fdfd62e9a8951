// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class BooleanSeqHelper {
     // It is useless to have instances of this class
     private BooleanSeqHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, boolean[] that)  {
          {
              out.write_long(that.length);
              out.write_boolean_array(that, 0, that.length);
          }
    }
    public static boolean[] __read(org.omg.CORBA.portable.InputStream in) {
          boolean[] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new boolean[__length];
              in.read_boolean_array(that, 0, that.length);
          }
          return that;
    }
   public static boolean[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, boolean[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "BooleanSeq", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_boolean)));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/BooleanSeq:1.0";
   }
}

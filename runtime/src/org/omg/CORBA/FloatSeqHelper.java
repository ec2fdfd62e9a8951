// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class FloatSeqHelper {
     // It is useless to have instances of this class
     private FloatSeqHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, float[] that)  {
          {
              out.write_long(that.length);
              out.write_float_array(that, 0, that.length);
          }
    }
    public static float[] __read(org.omg.CORBA.portable.InputStream in) {
          float[] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new float[__length];
              in.read_float_array(that, 0, that.length);
          }
          return that;
    }
   public static float[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, float[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "FloatSeq", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_float)));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/FloatSeq:1.0";
   }
}

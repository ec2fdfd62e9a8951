// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class UShortSeqHelper {
     // It is useless to have instances of this class
     private UShortSeqHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, short[] that)  {
          {
              out.write_long(that.length);
              out.write_ushort_array(that, 0, that.length);
          }
    }
    public static short[] __read(org.omg.CORBA.portable.InputStream in) {
          short[] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new short[__length];
              in.read_ushort_array(that, 0, that.length);
          }
          return that;
    }
   public static short[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, short[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "UShortSeq", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_ushort)));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/UShortSeq:1.0";
   }
}

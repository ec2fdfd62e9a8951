// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ContainedSeqHelper {
     // It is useless to have instances of this class
     private ContainedSeqHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.Contained[] that)  {
          {
              out.write_long(that.length);
              for (int __index = 0 ; __index < that.length ; __index += 1) {
                  org.omg.CORBA.ContainedHelper.__write(out, that[__index]);
              }
          }
    }
    public static org.omg.CORBA.Contained[] __read(org.omg.CORBA.portable.InputStream in) {
          org.omg.CORBA.Contained[] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new org.omg.CORBA.Contained[__length];
              for (int __index = 0 ; __index < that.length ; __index += 1) {
                  that[__index] = org.omg.CORBA.ContainedHelper.__read(in);
              }
          }
          return that;
    }
   public static org.omg.CORBA.Contained[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.Contained[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "ContainedSeq", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ContainedHelper.type()));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/ContainedSeq:1.0";
   }
}

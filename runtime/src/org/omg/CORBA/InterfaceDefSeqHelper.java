// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class InterfaceDefSeqHelper {
     // It is useless to have instances of this class
     private InterfaceDefSeqHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.InterfaceDef[] that)  {
          {
              out.write_long(that.length);
              for (int __index = 0 ; __index < that.length ; __index += 1) {
                  org.omg.CORBA.InterfaceDefHelper.__write(out, that[__index]);
              }
          }
    }
    public static org.omg.CORBA.InterfaceDef[] __read(org.omg.CORBA.portable.InputStream in) {
          org.omg.CORBA.InterfaceDef[] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new org.omg.CORBA.InterfaceDef[__length];
              for (int __index = 0 ; __index < that.length ; __index += 1) {
                  that[__index] = org.omg.CORBA.InterfaceDefHelper.__read(in);
              }
          }
          return that;
    }
   public static org.omg.CORBA.InterfaceDef[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.InterfaceDef[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "InterfaceDefSeq", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.InterfaceDefHelper.type()));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/InterfaceDefSeq:1.0";
   }
}

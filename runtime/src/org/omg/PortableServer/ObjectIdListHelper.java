// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.PortableServer;
public final class ObjectIdListHelper {
     // It is useless to have instances of this class
     private ObjectIdListHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, byte[][] that)  {
          {
              out.write_long(that.length);
              for (int __index = 0 ; __index < that.length ; __index += 1) {
                  out.write_long(that[__index].length);
                  out.write_octet_array(that[__index], 0, that[__index].length);
              }
          }
    }
    public static byte[][] __read(org.omg.CORBA.portable.InputStream in) {
          byte[][] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new byte[__length][];
              for (int __index = 0 ; __index < that.length ; __index += 1) {
                  int __length2 = in.read_long();
                  if (__length2 < 0 || __length2 > in.available()) {
                      throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
                  }
                  that[__index] = new byte[__length2];
                  in.read_octet_array(that[__index], 0, that[__index].length);
              }
          }
          return that;
    }
   public static byte[][] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, byte[][] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "ObjectIdList", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_octet))));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/PortableServer/ObjectIdList:1.0";
   }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.PortableServer;
public final class ObjectIdHelper {
     // It is useless to have instances of this class
     private ObjectIdHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, byte[] that)  {
          {
              out.write_long(that.length);
              out.write_octet_array(that, 0, that.length);
          }
    }
    public static byte[] __read(org.omg.CORBA.portable.InputStream in) {
          byte[] that;
          {
              int __length = in.read_long();
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new byte[__length];
              in.read_octet_array(that, 0, that.length);
          }
          return that;
    }
   public static byte[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, byte[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "ObjectId", org.omg.CORBA.ORB.init().create_sequence_tc(0, org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_octet)));
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/PortableServer/ObjectId:1.0";
   }
}

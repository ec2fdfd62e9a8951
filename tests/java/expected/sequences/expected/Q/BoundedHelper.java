/*
 * File: ./Q/BoundedHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class BoundedHelper {
     // It is useless to have instances of this class
     private BoundedHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, int[] that)  {
          {
              if (that.length > (4L)) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              out.write_long(that.length);
              out.write_long_array(that, 0, that.length);
          }
    }
    public static int[] __read(org.omg.CORBA.portable.InputStream in) {
          int[] that;
          {
              int __length = in.read_long();
              if (__length > (4L)) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              if (__length < 0 || __length > in.available()) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              that = new int[__length];
              in.read_long_array(that, 0, that.length);
          }
          return that;
    }
   public static int[] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, int[] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "Bounded", org.omg.CORBA.ORB.init().create_sequence_tc((int) (4L), org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long)));
      return _tc;
   }
   public static String id() {
       return "IDL:Q/Bounded:1.0";
   }
}

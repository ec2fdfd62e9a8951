/*
 * File: ./Q/GridHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class GridHelper {
     // It is useless to have instances of this class
     private GridHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, short[][] that)  {
          {
              if (that.length != (2L)) {
                  throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
              }
              for (int __index = 0 ; __index < (2L) ; __index += 1) {
                  if (that[__index].length != (3L)) {
                      throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
                  }
                  out.write_short_array(that[__index], 0, that[__index].length);
              }
          }
    }
    public static short[][] __read(org.omg.CORBA.portable.InputStream in) {
          short[][] that;
          {
              that = new short[(int) (2L)][(int) (3L)];
              for (int __index = 0 ; __index < (2L) ; __index += 1) {
                  that[__index] = new short[(int) (3L)];
                  in.read_short_array(that[__index], 0, that[__index].length);
              }
          }
          return that;
    }
   public static short[][] extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, short[][] that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_alias_tc(id(), "Grid", org.omg.CORBA.ORB.init().create_array_tc((int) (2L), org.omg.CORBA.ORB.init().create_array_tc((int) (3L), org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short))));
      return _tc;
   }
   public static String id() {
       return "IDL:Q/Grid:1.0";
   }
}

/*
 * File: ./Vals/WeightedHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class WeightedHelper {
     // It is useless to have instances of this class
     private WeightedHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Vals.Weighted that) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_value((java.io.Serializable) that, id());
    }
    public static Vals.Weighted __read(org.omg.CORBA.portable.InputStream in) {
        java.io.Serializable value = ((org.omg.CORBA_2_3.portable.InputStream) in).read_value(id());
        if (value == null || value instanceof Vals.Weighted)
            return (Vals.Weighted) value;
        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
    }
   public static Vals.Weighted extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Vals.Weighted that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   private static boolean __active = false;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null) {
             if (__active) {
                return org.omg.CORBA.ORB.init().create_recursive_tc(id());
             }
             __active = true;
               org.omg.CORBA.ValueMember[] _members = new org.omg.CORBA.ValueMember[1];
               _members[0] = new org.omg.CORBA.ValueMember("weight", "", "", "",
                 org.omg.CORBA.ORB.init().create_array_tc((int) (2L), org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_double)),
                 null, (short) 0);
             _tc = org.omg.CORBA.ORB.init().create_value_tc(id(), "Weighted", (short) 3, Vals.ItemHelper.type(), _members);
             __active = false;
          }
      return _tc;
   }
   public static String id() {
       return "IDL:Vals/Weighted:1.0";
   }
   static final String[] __ids = {
       id(),
       Vals.ItemHelper.id()
   };
   static void __writeState(org.omg.CORBA.portable.OutputStream out, Vals.Weighted that) {
       {
           if (that.weight.length != (2L)) {
               throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
           }
           out.write_double_array(that.weight, 0, that.weight.length);
       }
   }
   static void __readState(org.omg.CORBA.portable.InputStream in, Vals.Weighted that) {
       {
           that.weight = new double[(int) (2L)];
           in.read_double_array(that.weight, 0, that.weight.length);
       }
   }
}

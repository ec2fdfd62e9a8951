/*
 * File: ./Vals/BlobHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class BlobHelper {
     // It is useless to have instances of this class
     private BlobHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Vals.Blob that) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_value((java.io.Serializable) that, id());
    }
    public static Vals.Blob __read(org.omg.CORBA.portable.InputStream in) {
        java.io.Serializable value = ((org.omg.CORBA_2_3.portable.InputStream) in).read_value(id());
        if (value == null || value instanceof Vals.Blob)
            return (Vals.Blob) value;
        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
    }
   public static Vals.Blob extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Vals.Blob that) {
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
               _members[0] = new org.omg.CORBA.ValueMember("length", "", "", "",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null, (short) 1);
             _tc = org.omg.CORBA.ORB.init().create_value_tc(id(), "Blob", (short) 1, null, _members);
             __active = false;
          }
      return _tc;
   }
   public static String id() {
       return "IDL:Vals/Blob:1.0";
   }
   static final String[] __ids = {
       id()
   };
}

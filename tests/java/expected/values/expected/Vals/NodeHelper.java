/*
 * File: ./Vals/NodeHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class NodeHelper {
     // It is useless to have instances of this class
     private NodeHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Vals.Node that) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_value((java.io.Serializable) that, id());
    }
    public static Vals.Node __read(org.omg.CORBA.portable.InputStream in) {
        java.io.Serializable value = ((org.omg.CORBA_2_3.portable.InputStream) in).read_value(id());
        if (value == null || value instanceof Vals.Node)
            return (Vals.Node) value;
        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
    }
   public static Vals.Node extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Vals.Node that) {
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
               org.omg.CORBA.ValueMember[] _members = new org.omg.CORBA.ValueMember[3];
               _members[0] = new org.omg.CORBA.ValueMember("id", "", "", "",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null, (short) 1);
               _members[1] = new org.omg.CORBA.ValueMember("next", "", "", "",
                 Vals.NodeHelper.type(),
                 null, (short) 1);
               _members[2] = new org.omg.CORBA.ValueMember("label", "", "", "",
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null, (short) 0);
             _tc = org.omg.CORBA.ORB.init().create_value_tc(id(), "Node", (short) 0, null, _members);
             __active = false;
          }
      return _tc;
   }
   public static String id() {
       return "IDL:Vals/Node:1.0";
   }
   static final String[] __ids = {
       id()
   };
   static void __writeState(org.omg.CORBA.portable.OutputStream out, Vals.Node that) {
       out.write_long(that.id);
       Vals.NodeHelper.__write(out, that.next);
       out.write_string(that.label);
   }
   static void __readState(org.omg.CORBA.portable.InputStream in, Vals.Node that) {
       that.id = in.read_long();
       that.next = Vals.NodeHelper.__read(in);
       that.label = in.read_string();
   }
}

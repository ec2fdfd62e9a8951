/*
 * File: ./Vals/NamedHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public final class NamedHelper {
     // It is useless to have instances of this class
     private NamedHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Vals.Named that) {
        ((org.omg.CORBA_2_3.portable.OutputStream) out).write_abstract_interface(that);
    }
    public static Vals.Named __read(org.omg.CORBA.portable.InputStream in) {
        java.lang.Object that = ((org.omg.CORBA_2_3.portable.InputStream) in).read_abstract_interface();
        if (that instanceof org.omg.CORBA.Object)
            return narrow((org.omg.CORBA.Object) that);
        if (that == null || that instanceof Vals.Named)
            return (Vals.Named) that;
        throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
    }
   public static Vals.Named extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Vals.Named that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_abstract_interface_tc(id(), "Named");
      return _tc;
   }
   public static String id() {
       return "IDL:Vals/Named:1.0";
   }
   public static boolean _is_a(org.omg.CORBA.Object that)
 {
        if (that == null)
           return true;
	else 
           return that._is_a(id());
   }
   public static Vals.Named narrow(org.omg.CORBA.Object that)
	    throws org.omg.CORBA.BAD_PARAM {
        if (that == null)
            return null;
        if (that instanceof Vals.Named)
            return (Vals.Named) that;
	if (!_is_a(that)) {
	    throw new org.omg.CORBA.BAD_PARAM();
	}
        org.omg.CORBA.portable.Delegate dup = ((org.omg.CORBA.portable.ObjectImpl)that)._get_delegate();
        Vals.Named result = new Vals._NamedStub(dup);
        return result;
   }
}

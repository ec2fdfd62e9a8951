/*
 * File: ./Q/QuietHelper.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class QuietHelper {
     // It is useless to have instances of this class
     private QuietHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, Q.Quiet that) {
        out.write_Object(that);
    }
    public static Q.Quiet __read(org.omg.CORBA.portable.InputStream in) {
        return narrow(in.read_Object());
    }
   public static Q.Quiet extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, Q.Quiet that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_interface_tc(id(), "Quiet");
      return _tc;
   }
   public static String id() {
       return "IDL:Q/Quiet:1.0";
   }
   public static boolean _is_a(org.omg.CORBA.Object that)
 {
        if (that == null)
           return true;
	else 
           return that._is_a(id());
   }
   public static Q.Quiet narrow(org.omg.CORBA.Object that)
	    throws org.omg.CORBA.BAD_PARAM {
        if (that == null)
            return null;
        if (that instanceof Q.Quiet)
            return (Q.Quiet) that;
	if (!_is_a(that)) {
	    throw new org.omg.CORBA.BAD_PARAM();
	}
        throw new org.omg.CORBA.BAD_PARAM();
   }
}

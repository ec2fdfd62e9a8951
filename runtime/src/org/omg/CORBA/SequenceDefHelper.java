// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class SequenceDefHelper {
     // It is useless to have instances of this class
     private SequenceDefHelper() { }

    public static void __write(org.omg.CORBA.portable.OutputStream out, org.omg.CORBA.SequenceDef that) {
        out.write_Object(that);
    }
    public static org.omg.CORBA.SequenceDef __read(org.omg.CORBA.portable.InputStream in) {
        return narrow(in.read_Object());
    }
   public static org.omg.CORBA.SequenceDef extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, org.omg.CORBA.SequenceDef that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
          if (_tc == null)
             _tc = org.omg.CORBA.ORB.init().create_interface_tc(id(), "SequenceDef");
      return _tc;
   }
   public static String id() {
       return "IDL:omg.org/CORBA/SequenceDef:1.0";
   }
   public static boolean _is_a(org.omg.CORBA.Object that)
 {
        if (that == null)
           return true;
	else 
           return that._is_a(id());
   }
   public static org.omg.CORBA.SequenceDef narrow(org.omg.CORBA.Object that)
	    throws org.omg.CORBA.BAD_PARAM {
        if (that == null)
            return null;
        if (that instanceof org.omg.CORBA.SequenceDef)
            return (org.omg.CORBA.SequenceDef) that;
	if (!_is_a(that)) {
	    throw new org.omg.CORBA.BAD_PARAM();
	}
        org.omg.CORBA.portable.Delegate dup = ((org.omg.CORBA.portable.ObjectImpl)that)._get_delegate();
        org.omg.CORBA.SequenceDef result = new org.omg.CORBA._SequenceDefStub(dup);
        return result;
   }
}

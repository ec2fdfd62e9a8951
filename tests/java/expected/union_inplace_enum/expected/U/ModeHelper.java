/*
 * File: ./U/ModeHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class ModeHelper {
     // It is useless to have instances of this class
     private ModeHelper() { }

    //	marshal methods
    public static void __write(org.omg.CORBA.portable.OutputStream out, U.Mode that) throws org.omg.CORBA.BAD_OPERATION {
	U.KindHelper.__write(out, that.discriminator());
      switch (that.discriminator().value()) {
	case U.Kind._ON:
	    out.write_long(that.level());
	    break;
	default:
	    out.write_string(that.note());
	    break;
	}
    }
    public static U.Mode __read(org.omg.CORBA.portable.InputStream in) throws org.omg.CORBA.BAD_OPERATION {
        U.Mode that = new U.Mode();
        U.Kind dis;
	dis = U.KindHelper.__read(in);
	switch (dis.value()) {
	case U.Kind._ON: {
	    int level;
	    level = in.read_long();
	    that.level(level);
	    break;
	}
		default: {
	    String note;
	    note = in.read_string();
	    that.note(dis, note);
	    break;
	}
	}
      return that;
    }
   public static U.Mode extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, U.Mode that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 2;
       org.omg.CORBA.UnionMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.UnionMember[2];
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               U.KindHelper.insert(label, (U.Kind.ON));
               _members[0] = new org.omg.CORBA.UnionMember(
                 "level",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
label.insert_octet((byte) 0);
               _members[1] = new org.omg.CORBA.UnionMember(
                 "note",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               }
             _tc = org.omg.CORBA.ORB.init().create_union_tc(id(), "Mode", U.KindHelper.type(), _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:U/Mode:1.0";
   }
}

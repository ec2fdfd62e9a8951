/*
 * File: ./U/PaintHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class PaintHelper {
     // It is useless to have instances of this class
     private PaintHelper() { }

    //	marshal methods
    public static void __write(org.omg.CORBA.portable.OutputStream out, U.Paint that) throws org.omg.CORBA.BAD_OPERATION {
	U.ColorHelper.__write(out, that.discriminator());
      switch (that.discriminator().value()) {
	case U.Color._RED:
	    out.write_long(that.r());
	    break;
	case U.Color._GREEN:
	case U.Color._BLUE:
	    U.ColorHelper.__write(out, that.g());
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
    }
    public static U.Paint __read(org.omg.CORBA.portable.InputStream in) throws org.omg.CORBA.BAD_OPERATION {
        U.Paint that = new U.Paint();
        U.Color dis;
	dis = U.ColorHelper.__read(in);
	switch (dis.value()) {
	case U.Color._RED: {
	    int r;
	    r = in.read_long();
	    that.r(r);
	    break;
	}
	case U.Color._GREEN:
	case U.Color._BLUE: {
	    U.Color g;
	    g = U.ColorHelper.__read(in);
	    that.g(dis, g);
	    break;
	}
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
      return that;
    }
   public static U.Paint extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, U.Paint that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 3;
       org.omg.CORBA.UnionMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.UnionMember[3];
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               U.ColorHelper.insert(label, (U.Color.RED));
               _members[0] = new org.omg.CORBA.UnionMember(
                 "r",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               U.ColorHelper.insert(label, (U.Color.GREEN));
               _members[1] = new org.omg.CORBA.UnionMember(
                 "g",
               label,
                 U.ColorHelper.type(),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               U.ColorHelper.insert(label, (U.Color.BLUE));
               _members[2] = new org.omg.CORBA.UnionMember(
                 "g",
               label,
                 U.ColorHelper.type(),
                 null);
               }
             _tc = org.omg.CORBA.ORB.init().create_union_tc(id(), "Paint", U.ColorHelper.type(), _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:U/Paint:1.0";
   }
}

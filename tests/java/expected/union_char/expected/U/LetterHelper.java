/*
 * File: ./U/LetterHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class LetterHelper {
     // It is useless to have instances of this class
     private LetterHelper() { }

    //	marshal methods
    public static void __write(org.omg.CORBA.portable.OutputStream out, U.Letter that) throws org.omg.CORBA.BAD_OPERATION {
	out.write_char(that.discriminator());
	switch (that.discriminator()) {
	case (char) ('a'):
	case (char) ('b'):
	    out.write_short(that.x());
	    break;
	case (char) ('c'):
	    out.write_boolean(that.y());
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
    }
    public static U.Letter __read(org.omg.CORBA.portable.InputStream in) throws org.omg.CORBA.BAD_OPERATION {
        U.Letter that = new U.Letter();
        char dis;
	dis = in.read_char();
	switch (dis) {
	case (char) ('a'):
	case (char) ('b'): {
	    short x;
	    x = in.read_short();
	    that.x(dis, x);
	    break;
	}
	case (char) ('c'): {
	    boolean y;
	    y = in.read_boolean();
	    that.y(y);
	    break;
	}
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
      return that;
    }
   public static U.Letter extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, U.Letter that) {
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
               label.insert_char((char)('a'));
               _members[0] = new org.omg.CORBA.UnionMember(
                 "x",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_char((char)('b'));
               _members[1] = new org.omg.CORBA.UnionMember(
                 "x",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_char((char)('c'));
               _members[2] = new org.omg.CORBA.UnionMember(
                 "y",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_boolean),
                 null);
               }
             _tc = org.omg.CORBA.ORB.init().create_union_tc(id(), "Letter", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_char), _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:U/Letter:1.0";
   }
}

/*
 * File: ./U/NumHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class NumHelper {
     // It is useless to have instances of this class
     private NumHelper() { }

    //	marshal methods
    public static void __write(org.omg.CORBA.portable.OutputStream out, U.Num that) throws org.omg.CORBA.BAD_OPERATION {
	out.write_long(that.discriminator());
	switch (that.discriminator()) {
	case (int) (1L):
	    out.write_long(that.a());
	    break;
	case (int) (2L):
	case (int) (3L):
	    out.write_string(that.s());
	    break;
	case (int) (-(1L)):
	    out.write_char(that.c());
	    break;
	default:
	    out.write_double(that.d());
	    break;
	}
    }
    public static U.Num __read(org.omg.CORBA.portable.InputStream in) throws org.omg.CORBA.BAD_OPERATION {
        U.Num that = new U.Num();
        int dis;
	dis = in.read_long();
	switch (dis) {
	case (int) (1L): {
	    int a;
	    a = in.read_long();
	    that.a(a);
	    break;
	}
	case (int) (2L):
	case (int) (3L): {
	    String s;
	    s = in.read_string();
	    that.s(dis, s);
	    break;
	}
	case (int) (-(1L)): {
	    char c;
	    c = in.read_char();
	    that.c(c);
	    break;
	}
		default: {
	    double d;
	    d = in.read_double();
	    that.d(dis, d);
	    break;
	}
	}
      return that;
    }
   public static U.Num extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, U.Num that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 5;
       org.omg.CORBA.UnionMember[] _members = null;
          if (_tc == null) {
               _members= new org.omg.CORBA.UnionMember[5];
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_long((int)(1L));
               _members[0] = new org.omg.CORBA.UnionMember(
                 "a",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_long((int)(2L));
               _members[1] = new org.omg.CORBA.UnionMember(
                 "s",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_long((int)(3L));
               _members[2] = new org.omg.CORBA.UnionMember(
                 "s",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_long((int)(-(1L)));
               _members[3] = new org.omg.CORBA.UnionMember(
                 "c",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_char),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
label.insert_octet((byte) 0);
               _members[4] = new org.omg.CORBA.UnionMember(
                 "d",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_double),
                 null);
               }
             _tc = org.omg.CORBA.ORB.init().create_union_tc(id(), "Num", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long), _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:U/Num:1.0";
   }
}

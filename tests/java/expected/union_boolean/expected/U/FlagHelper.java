/*
 * File: ./U/FlagHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class FlagHelper {
     // It is useless to have instances of this class
     private FlagHelper() { }

    //	marshal methods
    public static void __write(org.omg.CORBA.portable.OutputStream out, U.Flag that) throws org.omg.CORBA.BAD_OPERATION {
	out.write_boolean(that.discriminator());
	switch ((that.discriminator()) ? 1 : 0) {
	case 1:
	    out.write_string(that.yes());
	    break;
	default:
	    out.write_long(that.other());
	    break;
	}
    }
    public static U.Flag __read(org.omg.CORBA.portable.InputStream in) throws org.omg.CORBA.BAD_OPERATION {
        U.Flag that = new U.Flag();
        boolean dis;
	dis = in.read_boolean();
	switch ((dis) ? 1 : 0) {
	case 1: {
	    String yes;
	    yes = in.read_string();
	    that.yes(yes);
	    break;
	}
		default: {
	    int other;
	    other = in.read_long();
	    that.other(dis, other);
	    break;
	}
	}
      return that;
    }
   public static U.Flag extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, U.Flag that) {
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
               label.insert_boolean((boolean)(true));
               _members[0] = new org.omg.CORBA.UnionMember(
                 "yes",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
label.insert_octet((byte) 0);
               _members[1] = new org.omg.CORBA.UnionMember(
                 "other",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
               }
             _tc = org.omg.CORBA.ORB.init().create_union_tc(id(), "Flag", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_boolean), _members);
          }
      return _tc;
   }
   public static String id() {
       return "IDL:U/Flag:1.0";
   }
}

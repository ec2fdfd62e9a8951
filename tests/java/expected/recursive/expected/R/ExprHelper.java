/*
 * File: ./R/ExprHelper.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class ExprHelper {
     // It is useless to have instances of this class
     private ExprHelper() { }

    //	marshal methods
    public static void __write(org.omg.CORBA.portable.OutputStream out, R.Expr that) throws org.omg.CORBA.BAD_OPERATION {
	out.write_short(that.discriminator());
	switch (that.discriminator()) {
	case (short) (1L):
	    out.write_long(that.leaf());
	    break;
	case (short) (2L):
	    {
	        out.write_long(that.args().length);
	        for (int __index = 0 ; __index < that.args().length ; __index += 1) {
	            R.ExprHelper.__write(out, that.args()[__index]);
	        }
	    }
	    break;
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
    }
    public static R.Expr __read(org.omg.CORBA.portable.InputStream in) throws org.omg.CORBA.BAD_OPERATION {
        R.Expr that = new R.Expr();
        short dis;
	dis = in.read_short();
	switch (dis) {
	case (short) (1L): {
	    int leaf;
	    leaf = in.read_long();
	    that.leaf(leaf);
	    break;
	}
	case (short) (2L): {
	    R.Expr[] args;
	    {
	        int __length = in.read_long();
	        if (__length < 0 || __length > in.available()) {
	            throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
	        }
	        args = new R.Expr[__length];
	        for (int __index = 0 ; __index < args.length ; __index += 1) {
	            args[__index] = R.ExprHelper.__read(in);
	        }
	    }
	    that.args(args);
	    break;
	}
	default:
	    throw new org.omg.CORBA.BAD_OPERATION();
	}
      return that;
    }
   public static R.Expr extract(org.omg.CORBA.Any a) {
     org.omg.CORBA.portable.InputStream in = a.get_input_stream();
     return __read(in);
   }
   public static void insert(org.omg.CORBA.Any a, R.Expr that) {
     org.omg.CORBA.portable.OutputStream out = a.create_output_stream();
     a.type(type());
     __write(out, that);
     a.read_value(out.get_input_stream(), type());
   }
   private static org.omg.CORBA.TypeCode _tc;
   private static boolean __active = false;
   synchronized public static org.omg.CORBA.TypeCode type() {
       int _memberCount = 2;
       org.omg.CORBA.UnionMember[] _members = null;
          if (_tc == null) {
             if (__active) {
                return org.omg.CORBA.ORB.init().create_recursive_tc(id());
             }
             __active = true;
               _members= new org.omg.CORBA.UnionMember[2];
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_short((short)(1L));
               _members[0] = new org.omg.CORBA.UnionMember(
                 "leaf",
               label,
                 org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_long),
                 null);
               }
               {
               org.omg.CORBA.Any label = org.omg.CORBA.ORB.init().create_any();
               label.insert_short((short)(2L));
               _members[1] = new org.omg.CORBA.UnionMember(
                 "args",
               label,
                 org.omg.CORBA.ORB.init().create_sequence_tc(0, R.ExprHelper.type()),
                 null);
               }
             _tc = org.omg.CORBA.ORB.init().create_union_tc(id(), "Expr", org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_short), _members);
             __active = false;
          }
      return _tc;
   }
   public static String id() {
       return "IDL:R/Expr:1.0";
   }
}

/*
 * File: ./Shop/_BothImplBase.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public abstract class _BothImplBase extends org.omg.CORBA.portable.ObjectImpl implements Both, org.omg.CORBA.portable.Skeleton {
    static private org.omg.CORBA.portable.OperationDescriptor[][] _dispatch_table;
    static {
       _dispatch_table = new org.omg.CORBA.portable.OperationDescriptor[1][0];
       _dispatch_table[0] = _BothStub._get_operations();
    }
    public org.omg.CORBA.portable.OperationDescriptor[][] _get_dispatch_table() {
          return _dispatch_table;
    }
    // Constructor
    public _BothImplBase() {
         super(null);
    }
    // Type strings for this class and its superclases
    private static String _type_ids[] = {
        "IDL:Shop/Both:1.0",
        "IDL:Shop/Store:1.0",
        "IDL:Shop/Other:1.0",
        "IDL:Shop/Base:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    // Dispatch call
    public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
          throws java.lang.Exception {

            return _BothImplBase._execute(this, op, n, o, ctx);
    }
    public static java.lang.Object _execute(Both self, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)             throws java.lang.Exception {

        switch (op) {
           case 0: // _get_count
              {
              int __result = self.count();
              n[0] = (__result & 0xFFFFFFFFL);
              }
                   break;
           case 1: // ping
                  {
                      int __result = self.ping(
                        (int) (n[1] & 0xFFFFFFFFL));
                        n[0] = (__result & 0xFFFFFFFFL);
                  }
                   break;
           case 2: // _get_title
              {
              String __result = self.title();
              o[0] = __result;
              }
                   break;
           case 3: // _get_origin
              {
              Goods.Point __result = self.origin();
              o[0] = new Goods.PointHolder(__result);
              }
                   break;
           case 4: // _set_origin
              self.origin(((Goods.PointHolder)o[1]).value);
                   break;
           case 5: // tally
                  try {
                      int __result = self.tally(
                        (int) (n[1] & 0xFFFFFFFFL),
                        (org.omg.CORBA.IntHolder)o[0],
                        (org.omg.CORBA.IntHolder)o[1]);
                        n[0] = (__result & 0xFFFFFFFFL);
                  
                  } catch (Goods.Refused _e) {
                      return new Goods.RefusedHolder(_e);
                  }
                   break;
           case 6: // label
                  try {
                      String __result = self.label(
                        (String)o[1],
                        (org.omg.CORBA.StringHolder)o[2],
                        (org.omg.CORBA.StringHolder)o[3]);
                        o[0] = __result;
                  
                  } catch (Goods.Refused _e) {
                      return new Goods.RefusedHolder(_e);
                  
                  } catch (Goods.Broken _e) {
                      return new Goods.BrokenHolder(_e);
                  }
                   break;
           case 7: // move
                  {
                      Goods.Point __result = self.move(
                        ((Goods.PointHolder)o[1]).value,
                        (Goods.PointHolder)o[2],
                        (Goods.PointHolder)o[3]);
                        o[0] = new Goods.PointHolder(__result);
                  }
                   break;
           case 8: // flip
                  {
                      Goods.Shade __result = self.flip(
                        ((Goods.ShadeHolder)o[1]).value,
                        (Goods.ShadeHolder)o[2],
                        (Goods.ShadeHolder)o[3]);
                        o[0] = new Goods.ShadeHolder(__result);
                  }
                   break;
           case 9: // choose
                  {
                      Goods.Pick __result = self.choose(
                        ((Goods.PickHolder)o[1]).value,
                        (Goods.PickHolder)o[2],
                        (Goods.PickHolder)o[3]);
                        o[0] = new Goods.PickHolder(__result);
                  }
                   break;
           case 10: // sum
                  {
                      int[] __result = self.sum(
                        ((Goods.NumbersHolder)o[1]).value,
                        (Goods.NumbersHolder)o[2],
                        (Goods.NumbersHolder)o[3]);
                        o[0] = new Goods.NumbersHolder(__result);
                  }
                   break;
           case 11: // wrap
                  {
                      org.omg.CORBA.Any __result = self.wrap(
                        (org.omg.CORBA.Any) o[1],
                        (org.omg.CORBA.AnyHolder)o[2],
                        (org.omg.CORBA.AnyHolder)o[3]);
                        o[0] = __result;
                  }
                   break;
           case 12: // describe
                  {
                      org.omg.CORBA.TypeCode __result = self.describe(
                        (org.omg.CORBA.TypeCode)o[1],
                        (org.omg.CORBA.TypeCodeHolder)o[2],
                        (org.omg.CORBA.TypeCodeHolder)o[3]);
                        o[0] = __result;
                  }
                   break;
           case 13: // partner
                  {
                      Shop.Base __result = self.partner(
                        (Shop.Base)o[1],
                        (Shop.BaseHolder)o[2],
                        (Shop.BaseHolder)o[3]);
                        o[0] = __result;
                  }
                   break;
           case 14: // reset
                  try {
                      self.reset(
                        (int) (n[0] & 0xFFFFFFFFL));
                  
                  } catch (Shop.StorePackage.Busy _e) {
                      return new Shop.StorePackage.BusyHolder(_e);
                  }
                   break;
           case 15: // notify
                  {
                      self._notify(
                        (String)o[0]);
                  }
                   break;
           case 16: // poke
                  {
                      self.poke(
);
                  }
                   break;
           case 17: // _get_level
              {
              short __result = self.level();
              n[0] = (__result & 0xFFFFL);
              }
                   break;
           case 18: // _set_level
              self.level((short) (n[1] & 0xFFFFL));
                   break;
           case 19: // check
                  {
                      boolean __result = self.check(
                        (char) (n[1] & 0xFFFFL));
                        n[0] = (__result) ? 1 : 0;
                  }
                   break;
           case 20: // measure
                  {
                      double __result = self.measure(
                        Float.intBitsToFloat((int)(n[1] & 0xFFFFFFFFL)));
                        n[0] = Double.doubleToLongBits(__result);
                  }
                   break;
            default:
              throw new org.omg.CORBA.BAD_OPERATION(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
  }
       return null;
    }
}

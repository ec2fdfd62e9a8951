/*
 * File: ./Shop/_OtherImplBase.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public abstract class _OtherImplBase extends org.omg.CORBA.portable.ObjectImpl implements Other, org.omg.CORBA.portable.Skeleton {
    static private org.omg.CORBA.portable.OperationDescriptor[][] _dispatch_table;
    static {
       _dispatch_table = new org.omg.CORBA.portable.OperationDescriptor[1][0];
       _dispatch_table[0] = _OtherStub._get_operations();
    }
    public org.omg.CORBA.portable.OperationDescriptor[][] _get_dispatch_table() {
          return _dispatch_table;
    }
    // Constructor
    public _OtherImplBase() {
         super(null);
    }
    // Type strings for this class and its superclases
    private static String _type_ids[] = {
        "IDL:Shop/Other:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    // Dispatch call
    public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
          throws java.lang.Exception {

            return _OtherImplBase._execute(this, op, n, o, ctx);
    }
    public static java.lang.Object _execute(Other self, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)             throws java.lang.Exception {

        switch (op) {
           case 0: // poke
                  {
                      self.poke(
);
                  }
                   break;
           case 1: // _get_level
              {
              short __result = self.level();
              n[0] = (__result & 0xFFFFL);
              }
                   break;
           case 2: // _set_level
              self.level((short) (n[1] & 0xFFFFL));
                   break;
           case 3: // check
                  {
                      boolean __result = self.check(
                        (char) (n[1] & 0xFFFFL));
                        n[0] = (__result) ? 1 : 0;
                  }
                   break;
            default:
              throw new org.omg.CORBA.BAD_OPERATION(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
  }
       return null;
    }
}

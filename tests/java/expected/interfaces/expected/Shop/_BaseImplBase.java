/*
 * File: ./Shop/_BaseImplBase.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public abstract class _BaseImplBase extends org.omg.CORBA.portable.ObjectImpl implements Base, org.omg.CORBA.portable.Skeleton {
    static private org.omg.CORBA.portable.OperationDescriptor[][] _dispatch_table;
    static {
       _dispatch_table = new org.omg.CORBA.portable.OperationDescriptor[1][0];
       _dispatch_table[0] = _BaseStub._get_operations();
    }
    public org.omg.CORBA.portable.OperationDescriptor[][] _get_dispatch_table() {
          return _dispatch_table;
    }
    // Constructor
    public _BaseImplBase() {
         super(null);
    }
    // Type strings for this class and its superclases
    private static String _type_ids[] = {
        "IDL:Shop/Base:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    // Dispatch call
    public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
          throws java.lang.Exception {

            return _BaseImplBase._execute(this, op, n, o, ctx);
    }
    public static java.lang.Object _execute(Base self, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)             throws java.lang.Exception {

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
            default:
              throw new org.omg.CORBA.BAD_OPERATION(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
  }
       return null;
    }
}

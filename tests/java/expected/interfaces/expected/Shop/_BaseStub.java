/*
 * File: ./Shop/_BaseStub.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public class _BaseStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements Base {

    public _BaseStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[2];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           //       Descriptor for _get_count
           int[] _p0 = {
           0x3
                      };
           Class[] _c0 = {
null
           };
           {
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("_get_count", _p0, _c0, null, null, false);
           }


           {
           //      Descriptor for ping
           int[] _p1 = {
0x3, 0x3 | 0x40000000
           };
           Class[] _c1 = {
null, null
           };
           Class[] _e1 = {

           };
           String[] _exId1 = {

           };
               __ops[1] = new org.omg.CORBA.portable.OperationDescriptor("ping", _p1, _c1, _exId1, _e1, false);
           }


    }

    private static String _type_ids[] = {
        "IDL:Shop/Base:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	Implementation of attribute count
    public int count() throws org.omg.CORBA.SystemException {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           _invoke(__ops[0], _n, _o);
           return (int) (_n[0] & 0xFFFFFFFFL);
    }
    //	    Implementation of ping
    public int ping(int x)
 {
           long   _n[] = new long[2];
           java.lang.Object _o[] = new java.lang.Object[2];
           java.lang.Object _e;
           _n[1] = (x & 0xFFFFFFFFL);
           _e = _invoke(__ops[1], _n, _o);
           return (int) (_n[0] & 0xFFFFFFFFL);
    }

};

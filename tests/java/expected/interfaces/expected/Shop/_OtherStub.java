/*
 * File: ./Shop/_OtherStub.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public class _OtherStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements Other {

    public _OtherStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[4];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           {
           //      Descriptor for poke
           int[] _p0 = {

           };
           Class[] _c0 = {

           };
           Class[] _e0 = {

           };
           String[] _exId0 = {

           };
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("poke", _p0, _c0, _exId0, _e0, false);
           }


           //       Descriptor for _get_level
           int[] _p1 = {
           0x2
                      };
           Class[] _c1 = {
null
           };
           {
               __ops[1] = new org.omg.CORBA.portable.OperationDescriptor("_get_level", _p1, _c1, null, null, false);
           }


           //       Descriptor for _set_level
           int[] _p2 = {
           0x2 | 0x40000000                      };
           Class[] _c2 = {
null
           };
           __ops[2] = new org.omg.CORBA.portable.OperationDescriptor("_set_level", _p2, _c2, null, null, false);


           {
           //      Descriptor for check
           int[] _p3 = {
0x8, 0x9 | 0x40000000
           };
           Class[] _c3 = {
null, null
           };
           Class[] _e3 = {

           };
           String[] _exId3 = {

           };
               __ops[3] = new org.omg.CORBA.portable.OperationDescriptor("check", _p3, _c3, _exId3, _e3, false);
           }


    }

    private static String _type_ids[] = {
        "IDL:Shop/Other:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	    Implementation of poke
    public void poke()
 {
           long   _n[] = new long[0];
           java.lang.Object _o[] = new java.lang.Object[0];
           java.lang.Object _e;
           _e = _invoke(__ops[0], null, null);
    }
    //	Implementation of attribute level
    public short level() throws org.omg.CORBA.SystemException {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           _invoke(__ops[1], _n, _o);
           return (short) (_n[0] & 0xFFFFL);
    }
    public void level(short arg) throws org.omg.CORBA.SystemException {
           long   _n[] = new long[2];
           java.lang.Object _o[] = new java.lang.Object[2];
           _n[1] = (arg & 0xFFFFL);
           _invoke(__ops[2], _n, _o);
    }
    //	    Implementation of check
    public boolean check(char c)
 {
           long   _n[] = new long[2];
           java.lang.Object _o[] = new java.lang.Object[2];
           java.lang.Object _e;
           _n[1] = (char) (c & 0xFFFFL);
           _e = _invoke(__ops[3], _n, _o);
           return (_n[0] == 0) ? false : true;
    }

};

/*
 * File: ./Vals/_NamedStub.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public class _NamedStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements Named {

    public _NamedStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[1];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           {
           //      Descriptor for name
           int[] _p0 = {
0x12
           };
           Class[] _c0 = {
null
           };
           Class[] _e0 = {

           };
           String[] _exId0 = {

           };
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("name", _p0, _c0, _exId0, _e0, false);
           }


    }

    private static String _type_ids[] = {
        "IDL:Vals/Named:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	    Implementation of name
    public String name()
 {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           java.lang.Object _e;
           _o[0] = new org.omg.CORBA.StringHolder();
           _e = _invoke(__ops[0], _n, _o);
           return (String) _o[0];
    }

};

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public class _PolicyStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements Policy {

    public _PolicyStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[3];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           //       Descriptor for _get_policy_type
           int[] _p0 = {
           0x5
                      };
           Class[] _c0 = {
null
           };
           {
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("_get_policy_type", _p0, _c0, null, null, false);
           }


           {
           //      Descriptor for copy
           int[] _p1 = {
0xe
           };
           Class[] _c1 = {
new org.omg.CORBA.PolicyHolder().getClass()
           };
           Class[] _e1 = {

           };
           String[] _exId1 = {

           };
               __ops[1] = new org.omg.CORBA.portable.OperationDescriptor("copy", _p1, _c1, _exId1, _e1, false);
           }


           {
           //      Descriptor for destroy
           int[] _p2 = {

           };
           Class[] _c2 = {

           };
           Class[] _e2 = {

           };
           String[] _exId2 = {

           };
               __ops[2] = new org.omg.CORBA.portable.OperationDescriptor("destroy", _p2, _c2, _exId2, _e2, false);
           }


    }

    private static String _type_ids[] = {
        "IDL:omg.org/CORBA/Policy:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	Implementation of attribute policy_type
    public int policy_type() throws org.omg.CORBA.SystemException {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           _invoke(__ops[0], _n, _o);
           return (int) (_n[0] & 0xFFFFFFFFL);
    }
    //	    Implementation of copy
    public org.omg.CORBA.Policy copy()
 {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           java.lang.Object _e;
           _o[0] = null;
           _e = _invoke(__ops[1], _n, _o);
           return org.omg.CORBA.PolicyHelper.narrow((org.omg.CORBA.Object) _o[0]);
    }
    //	    Implementation of destroy
    public void destroy()
 {
           long   _n[] = new long[0];
           java.lang.Object _o[] = new java.lang.Object[0];
           java.lang.Object _e;
           _e = _invoke(__ops[2], null, null);
    }

};

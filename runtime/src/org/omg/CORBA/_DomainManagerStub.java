// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public class _DomainManagerStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements DomainManager {

    public _DomainManagerStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[1];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           {
           //      Descriptor for get_domain_policy
           int[] _p0 = {
0xe, 0x5 | 0x40000000
           };
           Class[] _c0 = {
new org.omg.CORBA.PolicyHolder().getClass(), null
           };
           Class[] _e0 = {

           };
           String[] _exId0 = {

           };
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("get_domain_policy", _p0, _c0, _exId0, _e0, false);
           }


    }

    private static String _type_ids[] = {
        "IDL:omg.org/CORBA/DomainManager:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	    Implementation of get_domain_policy
    public org.omg.CORBA.Policy get_domain_policy(int policy_type)
 {
           long   _n[] = new long[2];
           java.lang.Object _o[] = new java.lang.Object[2];
           java.lang.Object _e;
           _o[0] = null;
           _n[0] = (policy_type & 0xFFFFFFFFL);
           _e = _invoke(__ops[0], _n, _o);
           return org.omg.CORBA.PolicyHelper.narrow((org.omg.CORBA.Object) _o[0]);
    }

};

/*
 * File: ./Q/_LoudStub.java
 * From: quirks.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public class _LoudStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements Loud {

    public _LoudStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[1];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           {
           //      Descriptor for shout
           int[] _p0 = {

           };
           Class[] _c0 = {

           };
           Class[] _e0 = {
             new Q.OopsHolder().getClass()
           };
           String[] _exId0 = {
             "IDL:Q/Oops:1.0"
           };
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("shout", _p0, _c0, _exId0, _e0, false);
           }


    }

    private static String _type_ids[] = {
        "IDL:Q/Loud:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	    Implementation of shout
    public void shout()
        throws Q.Oops, Q.Oops {
           long   _n[] = new long[0];
           java.lang.Object _o[] = new java.lang.Object[0];
           java.lang.Object _e;
           _e = _invoke(__ops[0], null, null);
           if (_e != null) {
               if (_e instanceof Q.OopsHolder)
                   throw ((Q.OopsHolder) _e).value;
               else                if (_e instanceof Q.OopsHolder)
                   throw ((Q.OopsHolder) _e).value;
           }
    }

};

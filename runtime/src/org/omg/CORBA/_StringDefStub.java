// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public class _StringDefStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements StringDef {

    public _StringDefStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[0];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
    }

    private static String _type_ids[] = {
        "IDL:omg.org/CORBA/StringDef:1.0",
        "IDL:omg.org/CORBA/IDLType:1.0",
        "IDL:omg.org/CORBA/IRObject:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations

};

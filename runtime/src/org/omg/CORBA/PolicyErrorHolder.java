// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class PolicyErrorHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.PolicyError value;
    //	constructors 
    public PolicyErrorHolder() {
	this(null);
    }
    public PolicyErrorHolder(org.omg.CORBA.PolicyError __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.PolicyErrorHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.PolicyErrorHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.PolicyErrorHelper.type();
    }
}

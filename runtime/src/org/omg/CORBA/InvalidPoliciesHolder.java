// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class InvalidPoliciesHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.InvalidPolicies value;
    //	constructors 
    public InvalidPoliciesHolder() {
	this(null);
    }
    public InvalidPoliciesHolder(org.omg.CORBA.InvalidPolicies __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.InvalidPoliciesHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.InvalidPoliciesHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.InvalidPoliciesHelper.type();
    }
}

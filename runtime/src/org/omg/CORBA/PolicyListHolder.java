// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class PolicyListHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.Policy[] value;
    //	constructors 
    public PolicyListHolder() {
	this(null);
    }
    public PolicyListHolder(org.omg.CORBA.Policy[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.PolicyListHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.PolicyListHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.PolicyListHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class PolicyTypeSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public int[] value;
    //	constructors 
    public PolicyTypeSeqHolder() {
	this(null);
    }
    public PolicyTypeSeqHolder(int[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.PolicyTypeSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.PolicyTypeSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.PolicyTypeSeqHelper.type();
    }
}

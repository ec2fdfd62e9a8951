// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ValueMemberSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.ValueMember[] value;
    //	constructors 
    public ValueMemberSeqHolder() {
	this(null);
    }
    public ValueMemberSeqHolder(org.omg.CORBA.ValueMember[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ValueMemberSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ValueMemberSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ValueMemberSeqHelper.type();
    }
}

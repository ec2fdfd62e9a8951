// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class UnionMemberSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.UnionMember[] value;
    //	constructors 
    public UnionMemberSeqHolder() {
	this(null);
    }
    public UnionMemberSeqHolder(org.omg.CORBA.UnionMember[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.UnionMemberSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.UnionMemberSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.UnionMemberSeqHelper.type();
    }
}

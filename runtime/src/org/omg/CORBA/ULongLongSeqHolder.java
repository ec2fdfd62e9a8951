// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ULongLongSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public long[] value;
    //	constructors 
    public ULongLongSeqHolder() {
	this(null);
    }
    public ULongLongSeqHolder(long[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ULongLongSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ULongLongSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ULongLongSeqHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class LongLongSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public long[] value;
    //	constructors 
    public LongLongSeqHolder() {
	this(null);
    }
    public LongLongSeqHolder(long[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.LongLongSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.LongLongSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.LongLongSeqHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ULongSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public int[] value;
    //	constructors 
    public ULongSeqHolder() {
	this(null);
    }
    public ULongSeqHolder(int[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ULongSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ULongSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ULongSeqHelper.type();
    }
}

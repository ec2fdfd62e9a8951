// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class UShortSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public short[] value;
    //	constructors 
    public UShortSeqHolder() {
	this(null);
    }
    public UShortSeqHolder(short[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.UShortSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.UShortSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.UShortSeqHelper.type();
    }
}

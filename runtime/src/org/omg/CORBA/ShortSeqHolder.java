// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ShortSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public short[] value;
    //	constructors 
    public ShortSeqHolder() {
	this(null);
    }
    public ShortSeqHolder(short[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ShortSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ShortSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ShortSeqHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class BooleanSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public boolean[] value;
    //	constructors 
    public BooleanSeqHolder() {
	this(null);
    }
    public BooleanSeqHolder(boolean[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.BooleanSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.BooleanSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.BooleanSeqHelper.type();
    }
}

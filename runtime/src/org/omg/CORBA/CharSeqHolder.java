// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class CharSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public char[] value;
    //	constructors 
    public CharSeqHolder() {
	this(null);
    }
    public CharSeqHolder(char[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.CharSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.CharSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.CharSeqHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class StringSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public String[] value;
    //	constructors 
    public StringSeqHolder() {
	this(null);
    }
    public StringSeqHolder(String[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.StringSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.StringSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.StringSeqHelper.type();
    }
}

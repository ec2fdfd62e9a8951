// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class AnySeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.Any[] value;
    //	constructors 
    public AnySeqHolder() {
	this(null);
    }
    public AnySeqHolder(org.omg.CORBA.Any[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.AnySeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.AnySeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.AnySeqHelper.type();
    }
}

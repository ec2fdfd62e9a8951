// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ExceptionDefSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.ExceptionDef[] value;
    //	constructors 
    public ExceptionDefSeqHolder() {
	this(null);
    }
    public ExceptionDefSeqHolder(org.omg.CORBA.ExceptionDef[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ExceptionDefSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ExceptionDefSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ExceptionDefSeqHelper.type();
    }
}

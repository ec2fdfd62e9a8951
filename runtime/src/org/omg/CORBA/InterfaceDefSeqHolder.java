// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class InterfaceDefSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.InterfaceDef[] value;
    //	constructors 
    public InterfaceDefSeqHolder() {
	this(null);
    }
    public InterfaceDefSeqHolder(org.omg.CORBA.InterfaceDef[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.InterfaceDefSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.InterfaceDefSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.InterfaceDefSeqHelper.type();
    }
}

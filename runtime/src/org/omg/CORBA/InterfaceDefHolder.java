// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class InterfaceDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.InterfaceDef value;
    //	constructors 
    public InterfaceDefHolder() {
	this(null);
    }
    public InterfaceDefHolder(org.omg.CORBA.InterfaceDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.InterfaceDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.InterfaceDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.InterfaceDefHelper.type();
    }
}

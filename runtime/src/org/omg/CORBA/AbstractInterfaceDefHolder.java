// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class AbstractInterfaceDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.AbstractInterfaceDef value;
    //	constructors 
    public AbstractInterfaceDefHolder() {
	this(null);
    }
    public AbstractInterfaceDefHolder(org.omg.CORBA.AbstractInterfaceDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.AbstractInterfaceDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.AbstractInterfaceDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.AbstractInterfaceDefHelper.type();
    }
}

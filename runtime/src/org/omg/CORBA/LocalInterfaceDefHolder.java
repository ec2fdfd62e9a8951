// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class LocalInterfaceDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.LocalInterfaceDef value;
    //	constructors 
    public LocalInterfaceDefHolder() {
	this(null);
    }
    public LocalInterfaceDefHolder(org.omg.CORBA.LocalInterfaceDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.LocalInterfaceDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.LocalInterfaceDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.LocalInterfaceDefHelper.type();
    }
}

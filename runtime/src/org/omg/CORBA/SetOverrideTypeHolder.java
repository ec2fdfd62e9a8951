// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class SetOverrideTypeHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.SetOverrideType value;
    //	constructors 
    public SetOverrideTypeHolder() {
	this(null);
    }
    public SetOverrideTypeHolder(org.omg.CORBA.SetOverrideType __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.SetOverrideTypeHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.SetOverrideTypeHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.SetOverrideTypeHelper.type();
    }
}

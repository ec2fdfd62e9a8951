// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class TypedefDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.TypedefDef value;
    //	constructors 
    public TypedefDefHolder() {
	this(null);
    }
    public TypedefDefHolder(org.omg.CORBA.TypedefDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.TypedefDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.TypedefDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.TypedefDefHelper.type();
    }
}

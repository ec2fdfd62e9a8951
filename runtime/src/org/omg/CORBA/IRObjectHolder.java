// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class IRObjectHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.IRObject value;
    //	constructors 
    public IRObjectHolder() {
	this(null);
    }
    public IRObjectHolder(org.omg.CORBA.IRObject __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.IRObjectHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.IRObjectHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.IRObjectHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ExceptionDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.ExceptionDef value;
    //	constructors 
    public ExceptionDefHolder() {
	this(null);
    }
    public ExceptionDefHolder(org.omg.CORBA.ExceptionDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ExceptionDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ExceptionDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ExceptionDefHelper.type();
    }
}

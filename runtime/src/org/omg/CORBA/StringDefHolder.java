// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class StringDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.StringDef value;
    //	constructors 
    public StringDefHolder() {
	this(null);
    }
    public StringDefHolder(org.omg.CORBA.StringDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.StringDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.StringDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.StringDefHelper.type();
    }
}

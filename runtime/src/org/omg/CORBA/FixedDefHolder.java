// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class FixedDefHolder
     implements org.omg.CORBA.portable.Streamable{
    //	instance variable 
    public org.omg.CORBA.FixedDef value;
    //	constructors 
    public FixedDefHolder() {
	this(null);
    }
    public FixedDefHolder(org.omg.CORBA.FixedDef __arg) {
	value = __arg;
    }

    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.FixedDefHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.FixedDefHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.FixedDefHelper.type();
    }
}

// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class DomainManagersListHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.DomainManager[] value;
    //	constructors 
    public DomainManagersListHolder() {
	this(null);
    }
    public DomainManagersListHolder(org.omg.CORBA.DomainManager[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.DomainManagersListHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.DomainManagersListHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.DomainManagersListHelper.type();
    }
}

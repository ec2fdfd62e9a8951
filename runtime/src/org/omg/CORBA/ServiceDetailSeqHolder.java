// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ServiceDetailSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public org.omg.CORBA.ServiceDetail[] value;
    //	constructors 
    public ServiceDetailSeqHolder() {
	this(null);
    }
    public ServiceDetailSeqHolder(org.omg.CORBA.ServiceDetail[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.ServiceDetailSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.ServiceDetailSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.ServiceDetailSeqHelper.type();
    }
}

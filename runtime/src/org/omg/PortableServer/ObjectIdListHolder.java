// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.PortableServer;
public final class ObjectIdListHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public byte[][] value;
    //	constructors 
    public ObjectIdListHolder() {
	this(null);
    }
    public ObjectIdListHolder(byte[][] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.PortableServer.ObjectIdListHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.PortableServer.ObjectIdListHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.PortableServer.ObjectIdListHelper.type();
    }
}

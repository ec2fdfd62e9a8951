// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class OctetSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public byte[] value;
    //	constructors 
    public OctetSeqHolder() {
	this(null);
    }
    public OctetSeqHolder(byte[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.OctetSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.OctetSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.OctetSeqHelper.type();
    }
}

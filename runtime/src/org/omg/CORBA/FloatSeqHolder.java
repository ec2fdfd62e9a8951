// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class FloatSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public float[] value;
    //	constructors 
    public FloatSeqHolder() {
	this(null);
    }
    public FloatSeqHolder(float[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.FloatSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.FloatSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.FloatSeqHelper.type();
    }
}

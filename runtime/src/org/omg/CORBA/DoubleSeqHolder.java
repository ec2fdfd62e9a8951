// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class DoubleSeqHolder
    implements org.omg.CORBA.portable.Streamable
{
    //	instance variable 
    public double[] value;
    //	constructors 
    public DoubleSeqHolder() {
	this(null);
    }
    public DoubleSeqHolder(double[] __arg) {
	value = __arg;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        org.omg.CORBA.DoubleSeqHelper.__write(out, value);
    }

    public void __read(org.omg.CORBA.portable.InputStream in) {
        value = org.omg.CORBA.DoubleSeqHelper.__read(in);
    }

    public org.omg.CORBA.TypeCode __type() {
        return org.omg.CORBA.DoubleSeqHelper.type();
    }
}

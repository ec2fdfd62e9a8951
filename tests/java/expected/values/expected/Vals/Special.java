/*
 * File: ./Vals/Special.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Special extends Vals.Item implements org.omg.CORBA.portable.StreamableValue {
    protected double[] weight;
    public String[] _truncatable_ids() {
        return SpecialHelper.__ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        super.__write(out);
        SpecialHelper.__writeState(out, this);
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        super.__read(in);
        SpecialHelper.__readState(in, this);
    }
    public org.omg.CORBA.TypeCode __type() {
        return SpecialHelper.type();
    }
}

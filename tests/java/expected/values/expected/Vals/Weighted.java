/*
 * File: ./Vals/Weighted.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Weighted extends Vals.Item implements org.omg.CORBA.portable.StreamableValue {
    protected double[] weight;
    public String[] _truncatable_ids() {
        return WeightedHelper.__ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        super.__write(out);
        WeightedHelper.__writeState(out, this);
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        super.__read(in);
        WeightedHelper.__readState(in, this);
    }
    public org.omg.CORBA.TypeCode __type() {
        return WeightedHelper.type();
    }
}

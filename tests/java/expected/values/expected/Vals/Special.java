/*
 * File: ./Vals/Special.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Special extends Vals.Item implements org.omg.CORBA.portable.StreamableValue {
    protected double[] weight;
    private static final String[] __ids = {
        Vals.SpecialHelper.id(),
        Vals.ItemHelper.id()
    };
    public String[] _truncatable_ids() {
        return __ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        super.__write(out);
        {
            if (this.weight.length != (2L)) {
                throw new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE);
            }
            out.write_double_array(this.weight, 0, this.weight.length);
        }
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        super.__read(in);
        {
            this.weight = new double[(int) (2L)];
            in.read_double_array(this.weight, 0, this.weight.length);
        }
    }
    public org.omg.CORBA.TypeCode __type() {
        return Vals.SpecialHelper.type();
    }
}

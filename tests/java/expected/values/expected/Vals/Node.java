/*
 * File: ./Vals/Node.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Node implements org.omg.CORBA.portable.StreamableValue {
    public int id;
    public Vals.Node next;
    protected String label;
    private static final String[] __ids = {
        Vals.NodeHelper.id()
    };
    public String[] _truncatable_ids() {
        return __ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        out.write_long(this.id);
        Vals.NodeHelper.__write(out, this.next);
        out.write_string(this.label);
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        this.id = in.read_long();
        this.next = Vals.NodeHelper.__read(in);
        this.label = in.read_string();
    }
    public org.omg.CORBA.TypeCode __type() {
        return Vals.NodeHelper.type();
    }
}

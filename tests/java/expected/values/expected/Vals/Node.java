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
    public String[] _truncatable_ids() {
        return NodeHelper.__ids;
    }
    public void __write(org.omg.CORBA.portable.OutputStream out) {
        NodeHelper.__writeState(out, this);
    }
    public void __read(org.omg.CORBA.portable.InputStream in) {
        NodeHelper.__readState(in, this);
    }
    public org.omg.CORBA.TypeCode __type() {
        return NodeHelper.type();
    }
}

/*
 * File: ./Vals/NodeDefaultFactory.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public class NodeDefaultFactory implements org.omg.CORBA.portable.ValueFactory {
    public java.io.Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
        return in.read_value(new Vals.Node() { });
    }
}

/*
 * File: ./Q/S.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Q;
public final class S {
    //	instance variables
    public double[] d;
    public char[] c;
    public String[][] n;
    public short[][] g;
    //	constructors
    public S() { }
    public S(double[] __d, char[] __c, String[][] __n, short[][] __g) {
	d = __d;
	c = __c;
	n = __n;
	g = __g;
    }
}

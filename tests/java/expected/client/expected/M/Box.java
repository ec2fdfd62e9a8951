/*
 * File: ./M/Box.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class Box {
    //	instance variables
    public M.BoxPackage.Lid lid;
    public M.Color c;
    public String s;
    public int n;
    //	constructors
    public Box() { }
    public Box(M.BoxPackage.Lid __lid, M.Color __c, String __s, int __n) {
	lid = __lid;
	c = __c;
	s = __s;
	n = __n;
    }
}

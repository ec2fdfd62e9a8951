/*
 * File: ./R/Tree.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class Tree {
    //	instance variables
    public String label;
    public R.Tree[] kids;
    //	constructors
    public Tree() { }
    public Tree(String __label, R.Tree[] __kids) {
	label = __label;
	kids = __kids;
    }
}

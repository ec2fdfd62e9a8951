/*
 * File: ./R/Forest.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package R;
public final class Forest {
    //	instance variables
    public R.Tree[] trees;
    //	constructors
    public Forest() { }
    public Forest(R.Tree[] __trees) {
	trees = __trees;
    }
}

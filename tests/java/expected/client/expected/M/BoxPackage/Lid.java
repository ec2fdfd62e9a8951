/*
 * File: ./M/BoxPackage/Lid.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M.BoxPackage;
public final class Lid {
    //	instance variables
    public boolean open;
    //	constructors
    public Lid() { }
    public Lid(boolean __open) {
	open = __open;
    }
}

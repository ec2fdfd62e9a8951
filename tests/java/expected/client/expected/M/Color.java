/*
 * File: ./M/Color.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class Color {
     public static final int _RED = 0,
	  		     __new = 1;
     public static final Color RED = new Color(_RED);
     public static final Color _new = new Color(__new);
     public int value() {
         return _value;
     }
     public static final Color from_int(int i)  throws  org.omg.CORBA.BAD_PARAM {
           switch (i) {
             case _RED:
                 return RED;
             case __new:
                 return _new;
             default:
	              throw new org.omg.CORBA.BAD_PARAM();
           }
     }
     private Color(int _value){
         this._value = _value;
     }
     private int _value;
}

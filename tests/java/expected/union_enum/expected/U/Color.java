/*
 * File: ./U/Color.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Color {
     public static final int _RED = 0,
	  		     _GREEN = 1,
	  		     _BLUE = 2,
	  		     _WHITE = 3;
     public static final Color RED = new Color(_RED);
     public static final Color GREEN = new Color(_GREEN);
     public static final Color BLUE = new Color(_BLUE);
     public static final Color WHITE = new Color(_WHITE);
     public int value() {
         return _value;
     }
     public static final Color from_int(int i)  throws  org.omg.CORBA.BAD_PARAM {
           switch (i) {
             case _RED:
                 return RED;
             case _GREEN:
                 return GREEN;
             case _BLUE:
                 return BLUE;
             case _WHITE:
                 return WHITE;
             default:
	              throw new org.omg.CORBA.BAD_PARAM();
           }
     }
     private Color(int _value){
         this._value = _value;
     }
     private int _value;
}

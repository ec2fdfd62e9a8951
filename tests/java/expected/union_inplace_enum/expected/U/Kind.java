/*
 * File: ./U/Kind.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package U;
public final class Kind {
     public static final int _ON = 0,
	  		     _OFF = 1,
	  		     _AUTO = 2;
     public static final Kind ON = new Kind(_ON);
     public static final Kind OFF = new Kind(_OFF);
     public static final Kind AUTO = new Kind(_AUTO);
     public int value() {
         return _value;
     }
     public static final Kind from_int(int i)  throws  org.omg.CORBA.BAD_PARAM {
           switch (i) {
             case _ON:
                 return ON;
             case _OFF:
                 return OFF;
             case _AUTO:
                 return AUTO;
             default:
	              throw new org.omg.CORBA.BAD_PARAM();
           }
     }
     private Kind(int _value){
         this._value = _value;
     }
     private int _value;
}

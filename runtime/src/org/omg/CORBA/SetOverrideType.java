// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class SetOverrideType {
     public static final int _SET_OVERRIDE = 0,
	  		     _ADD_OVERRIDE = 1;
     public static final SetOverrideType SET_OVERRIDE = new SetOverrideType(_SET_OVERRIDE);
     public static final SetOverrideType ADD_OVERRIDE = new SetOverrideType(_ADD_OVERRIDE);
     public int value() {
         return _value;
     }
     public static final SetOverrideType from_int(int i)  throws  org.omg.CORBA.BAD_PARAM {
           switch (i) {
             case _SET_OVERRIDE:
                 return SET_OVERRIDE;
             case _ADD_OVERRIDE:
                 return ADD_OVERRIDE;
             default:
	              throw new org.omg.CORBA.BAD_PARAM();
           }
     }
     private SetOverrideType(int _value){
         this._value = _value;
     }
     private int _value;
}

/*
 * File: ./Shop/Store.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
/**
 A store of goods. 
 */public interface Store
    extends org.omg.CORBA.Object,
	    Shop.Base {
    public static final int LIMIT = (int) (10L);
    public static final String GREETING = (String) ("hi");
    String title() throws org.omg.CORBA.SystemException;
    Goods.Point origin() throws org.omg.CORBA.SystemException;
    void origin(Goods.Point arg) throws org.omg.CORBA.SystemException;
    /**
     Counts. 
     */
    int tally(int a, org.omg.CORBA.IntHolder b, org.omg.CORBA.IntHolder c)
        throws Goods.Refused;
    String label(String a, org.omg.CORBA.StringHolder b, org.omg.CORBA.StringHolder c)
        throws Goods.Refused, Goods.Broken;
    Goods.Point move(Goods.Point a, Goods.PointHolder b, Goods.PointHolder c)
;
    Goods.Shade flip(Goods.Shade a, Goods.ShadeHolder b, Goods.ShadeHolder c)
;
    Goods.Pick choose(Goods.Pick a, Goods.PickHolder b, Goods.PickHolder c)
;
    int[] sum(int[] a, Goods.NumbersHolder b, Goods.NumbersHolder c)
;
    org.omg.CORBA.Any wrap(org.omg.CORBA.Any a, org.omg.CORBA.AnyHolder b, org.omg.CORBA.AnyHolder c)
;
    org.omg.CORBA.TypeCode describe(org.omg.CORBA.TypeCode a, org.omg.CORBA.TypeCodeHolder b, org.omg.CORBA.TypeCodeHolder c)
;
    Shop.Base partner(Shop.Base a, Shop.BaseHolder b, Shop.BaseHolder c)
;
    void reset(int t)
        throws Shop.StorePackage.Busy;
    void _notify(String message)
;
}

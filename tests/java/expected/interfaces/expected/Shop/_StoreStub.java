/*
 * File: ./Shop/_StoreStub.java
 * From: shop.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Shop;
public class _StoreStub
	extends org.omg.CORBA.portable.ObjectImpl
    	implements Store {

    public _StoreStub(org.omg.CORBA.portable.Delegate d) {
          super(d);
    }

    public static final org.omg.CORBA.portable.OperationDescriptor __ops[] = new org.omg.CORBA.portable.OperationDescriptor[18];

    public static org.omg.CORBA.portable.OperationDescriptor[] _get_operations() {
        return __ops;
    }

    static {
           //       Descriptor for _get_count
           int[] _p0 = {
           0x3
                      };
           Class[] _c0 = {
null
           };
           {
               __ops[0] = new org.omg.CORBA.portable.OperationDescriptor("_get_count", _p0, _c0, null, null, false);
           }


           {
           //      Descriptor for ping
           int[] _p1 = {
0x3, 0x3 | 0x40000000
           };
           Class[] _c1 = {
null, null
           };
           Class[] _e1 = {

           };
           String[] _exId1 = {

           };
               __ops[1] = new org.omg.CORBA.portable.OperationDescriptor("ping", _p1, _c1, _exId1, _e1, false);
           }


           //       Descriptor for _get_title
           int[] _p2 = {
           0x12
                      };
           Class[] _c2 = {
null
           };
           {
               __ops[2] = new org.omg.CORBA.portable.OperationDescriptor("_get_title", _p2, _c2, null, null, false);
           }


           //       Descriptor for _get_origin
           int[] _p3 = {
           0xf
                      };
           Class[] _c3 = {
new Goods.PointHolder().getClass()
           };
           {
               __ops[3] = new org.omg.CORBA.portable.OperationDescriptor("_get_origin", _p3, _c3, null, null, false);
           }


           //       Descriptor for _set_origin
           int[] _p4 = {
           0xf | 0x40000000                      };
           Class[] _c4 = {
new Goods.PointHolder().getClass()
           };
           __ops[4] = new org.omg.CORBA.portable.OperationDescriptor("_set_origin", _p4, _c4, null, null, false);


           {
           //      Descriptor for tally
           int[] _p5 = {
0x3, 0x3 | 0x40000000, 0x3 | 0x80000000, 0x3 | 0xc0000000
           };
           Class[] _c5 = {
null, null, null, null
           };
           Class[] _e5 = {
             new Goods.RefusedHolder().getClass()
           };
           String[] _exId5 = {
             "IDL:Goods/Refused:1.0"
           };
               __ops[5] = new org.omg.CORBA.portable.OperationDescriptor("tally", _p5, _c5, _exId5, _e5, false);
           }


           {
           //      Descriptor for label
           int[] _p6 = {
0x12, 0x12 | 0x40000000, 0x12 | 0x80000000, 0x12 | 0xc0000000
           };
           Class[] _c6 = {
null, null, null, null
           };
           Class[] _e6 = {
             new Goods.RefusedHolder().getClass(), new Goods.BrokenHolder().getClass()
           };
           String[] _exId6 = {
             "IDL:Goods/Refused:1.0", "IDL:Goods/Broken:1.0"
           };
               __ops[6] = new org.omg.CORBA.portable.OperationDescriptor("label", _p6, _c6, _exId6, _e6, false);
           }


           {
           //      Descriptor for move
           int[] _p7 = {
0xf, 0xf | 0x40000000, 0xf | 0x80000000, 0xf | 0xc0000000
           };
           Class[] _c7 = {
new Goods.PointHolder().getClass(), new Goods.PointHolder().getClass(), new Goods.PointHolder().getClass(), new Goods.PointHolder().getClass()
           };
           Class[] _e7 = {

           };
           String[] _exId7 = {

           };
               __ops[7] = new org.omg.CORBA.portable.OperationDescriptor("move", _p7, _c7, _exId7, _e7, false);
           }


           {
           //      Descriptor for flip
           int[] _p8 = {
0x11, 0x11 | 0x40000000, 0x11 | 0x80000000, 0x11 | 0xc0000000
           };
           Class[] _c8 = {
new Goods.ShadeHolder().getClass(), new Goods.ShadeHolder().getClass(), new Goods.ShadeHolder().getClass(), new Goods.ShadeHolder().getClass()
           };
           Class[] _e8 = {

           };
           String[] _exId8 = {

           };
               __ops[8] = new org.omg.CORBA.portable.OperationDescriptor("flip", _p8, _c8, _exId8, _e8, false);
           }


           {
           //      Descriptor for choose
           int[] _p9 = {
0x0, 0x0 | 0x40000000, 0x0 | 0x80000000, 0x0 | 0xc0000000
           };
           Class[] _c9 = {
new Goods.PickHolder().getClass(), new Goods.PickHolder().getClass(), new Goods.PickHolder().getClass(), new Goods.PickHolder().getClass()
           };
           Class[] _e9 = {

           };
           String[] _exId9 = {

           };
               __ops[9] = new org.omg.CORBA.portable.OperationDescriptor("choose", _p9, _c9, _exId9, _e9, false);
           }


           {
           //      Descriptor for sum
           int[] _p10 = {
0x13, 0x13 | 0x40000000, 0x13 | 0x80000000, 0x13 | 0xc0000000
           };
           Class[] _c10 = {
new Goods.NumbersHolder().getClass(), new Goods.NumbersHolder().getClass(), new Goods.NumbersHolder().getClass(), new Goods.NumbersHolder().getClass()
           };
           Class[] _e10 = {

           };
           String[] _exId10 = {

           };
               __ops[10] = new org.omg.CORBA.portable.OperationDescriptor("sum", _p10, _c10, _exId10, _e10, false);
           }


           {
           //      Descriptor for wrap
           int[] _p11 = {
0xb, 0xb | 0x40000000, 0xb | 0x80000000, 0xb | 0xc0000000
           };
           Class[] _c11 = {
null, null, null, null
           };
           Class[] _e11 = {

           };
           String[] _exId11 = {

           };
               __ops[11] = new org.omg.CORBA.portable.OperationDescriptor("wrap", _p11, _c11, _exId11, _e11, false);
           }


           {
           //      Descriptor for describe
           int[] _p12 = {
0xc, 0xc | 0x40000000, 0xc | 0x80000000, 0xc | 0xc0000000
           };
           Class[] _c12 = {
null, null, null, null
           };
           Class[] _e12 = {

           };
           String[] _exId12 = {

           };
               __ops[12] = new org.omg.CORBA.portable.OperationDescriptor("describe", _p12, _c12, _exId12, _e12, false);
           }


           {
           //      Descriptor for partner
           int[] _p13 = {
0xe, 0xe | 0x40000000, 0xe | 0x80000000, 0xe | 0xc0000000
           };
           Class[] _c13 = {
new Shop.BaseHolder().getClass(), null, new Shop.BaseHolder().getClass(), new Shop.BaseHolder().getClass()
           };
           Class[] _e13 = {

           };
           String[] _exId13 = {

           };
               __ops[13] = new org.omg.CORBA.portable.OperationDescriptor("partner", _p13, _c13, _exId13, _e13, false);
           }


           {
           //      Descriptor for reset
           int[] _p14 = {
             0x3 | 0x40000000
           };
           Class[] _c14 = {
             null
           };
           Class[] _e14 = {
             new Shop.StorePackage.BusyHolder().getClass()
           };
           String[] _exId14 = {
             "IDL:Shop/Store/Busy:1.0"
           };
               __ops[14] = new org.omg.CORBA.portable.OperationDescriptor("reset", _p14, _c14, _exId14, _e14, false);
           }


           {
           //      Descriptor for notify
           int[] _p15 = {
             0x12 | 0x40000000
           };
           Class[] _c15 = {
             null
           };
           Class[] _e15 = {

           };
           String[] _exId15 = {

           };
               __ops[15] = new org.omg.CORBA.portable.OperationDescriptor("_notify", _p15, _c15, _exId15, _e15, true);
           }


    }

    private static String _type_ids[] = {
        "IDL:Shop/Store:1.0",
        "IDL:Shop/Base:1.0"
    };

    public String[] _get_ids() { return _type_ids; }

    //	IDL operations
    //	Implementation of attribute count
    public int count() throws org.omg.CORBA.SystemException {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           _invoke(__ops[0], _n, _o);
           return (int) (_n[0] & 0xFFFFFFFFL);
    }
    //	    Implementation of ping
    public int ping(int x)
 {
           long   _n[] = new long[2];
           java.lang.Object _o[] = new java.lang.Object[2];
           java.lang.Object _e;
           _n[1] = (x & 0xFFFFFFFFL);
           _e = _invoke(__ops[1], _n, _o);
           return (int) (_n[0] & 0xFFFFFFFFL);
    }
    //	Implementation of attribute title
    public String title() throws org.omg.CORBA.SystemException {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           _invoke(__ops[2], _n, _o);
           return (String) _o[0];
    }
    //	Implementation of attribute origin
    public Goods.Point origin() throws org.omg.CORBA.SystemException {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           _invoke(__ops[3], _n, _o);
           return (Goods.Point)((Goods.PointHolder)_o[0]).value;
    }
    public void origin(Goods.Point arg) throws org.omg.CORBA.SystemException {
           long   _n[] = new long[2];
           java.lang.Object _o[] = new java.lang.Object[2];
           _o[1] = new Goods.PointHolder(arg);
           _invoke(__ops[4], _n, _o);
    }
    //	    Implementation of tally
    public int tally(int a, org.omg.CORBA.IntHolder b, org.omg.CORBA.IntHolder c)
        throws Goods.Refused {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _n[1] = (a & 0xFFFFFFFFL);
           _o[0] = b;
           _o[1] = c;
           _e = _invoke(__ops[5], _n, _o);
           if (_e != null) {
               if (_e instanceof Goods.RefusedHolder)
                   throw ((Goods.RefusedHolder) _e).value;
           }
           return (int) (_n[0] & 0xFFFFFFFFL);
    }
    //	    Implementation of label
    public String label(String a, org.omg.CORBA.StringHolder b, org.omg.CORBA.StringHolder c)
        throws Goods.Refused, Goods.Broken {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = new org.omg.CORBA.StringHolder();
           _o[1] = a;
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[6], _n, _o);
           if (_e != null) {
               if (_e instanceof Goods.RefusedHolder)
                   throw ((Goods.RefusedHolder) _e).value;
               else                if (_e instanceof Goods.BrokenHolder)
                   throw ((Goods.BrokenHolder) _e).value;
           }
           return (String) _o[0];
    }
    //	    Implementation of move
    public Goods.Point move(Goods.Point a, Goods.PointHolder b, Goods.PointHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = new Goods.PointHolder();
           _o[1] = new Goods.PointHolder(a);
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[7], _n, _o);
           return (Goods.Point)((Goods.PointHolder)_o[0]).value;
    }
    //	    Implementation of flip
    public Goods.Shade flip(Goods.Shade a, Goods.ShadeHolder b, Goods.ShadeHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = new Goods.ShadeHolder();
           _o[1] = new Goods.ShadeHolder(a);
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[8], _n, _o);
           return (Goods.Shade)((Goods.ShadeHolder)_o[0]).value;
    }
    //	    Implementation of choose
    public Goods.Pick choose(Goods.Pick a, Goods.PickHolder b, Goods.PickHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = new Goods.PickHolder();
           _o[1] = new Goods.PickHolder(a);
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[9], _n, _o);
           return (Goods.Pick)((Goods.PickHolder)_o[0]).value;
    }
    //	    Implementation of sum
    public int[] sum(int[] a, Goods.NumbersHolder b, Goods.NumbersHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = new Goods.NumbersHolder();
           _o[1] = new Goods.NumbersHolder(a);
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[10], _n, _o);
           return (int[])((Goods.NumbersHolder)_o[0]).value;
    }
    //	    Implementation of wrap
    public org.omg.CORBA.Any wrap(org.omg.CORBA.Any a, org.omg.CORBA.AnyHolder b, org.omg.CORBA.AnyHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = null;
           _o[1] = a;
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[11], _n, _o);
           return (org.omg.CORBA.Any) _o[0];
    }
    //	    Implementation of describe
    public org.omg.CORBA.TypeCode describe(org.omg.CORBA.TypeCode a, org.omg.CORBA.TypeCodeHolder b, org.omg.CORBA.TypeCodeHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = new org.omg.CORBA.TypeCodeHolder();
           _o[1] = a;
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[12], _n, _o);
           return (org.omg.CORBA.TypeCode) _o[0];
    }
    //	    Implementation of partner
    public Shop.Base partner(Shop.Base a, Shop.BaseHolder b, Shop.BaseHolder c)
 {
           long   _n[] = new long[4];
           java.lang.Object _o[] = new java.lang.Object[4];
           java.lang.Object _e;
           _o[0] = null;
           _o[1] = a;
           _o[2] = b;
           _o[3] = c;
           _e = _invoke(__ops[13], _n, _o);
           return Shop.BaseHelper.narrow((org.omg.CORBA.Object) _o[0]);
    }
    //	    Implementation of reset
    public void reset(int t)
        throws Shop.StorePackage.Busy {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           java.lang.Object _e;
           _n[0] = (t & 0xFFFFFFFFL);
           _e = _invoke(__ops[14], _n, _o);
           if (_e != null) {
               if (_e instanceof Shop.StorePackage.BusyHolder)
                   throw ((Shop.StorePackage.BusyHolder) _e).value;
           }
    }
    //	    Implementation of notify
    public void _notify(String message)
 {
           long   _n[] = new long[1];
           java.lang.Object _o[] = new java.lang.Object[1];
           java.lang.Object _e;
           _o[0] = message;
           _e = _invoke(__ops[15], _n, _o);
    }

};

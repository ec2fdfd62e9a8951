package org.omg.CORBA;

// A base for hand-written object implementations that are not generated
// from IDL: an ObjectImpl without delegate until an ORB connects it.
public abstract class ObjectImplBase extends org.omg.CORBA.portable.ObjectImpl {
    protected ObjectImplBase() {
        super(null);
    }
}

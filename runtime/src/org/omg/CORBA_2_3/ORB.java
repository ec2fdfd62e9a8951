package org.omg.CORBA_2_3;

// The ORB as code written for value types names it: every ORB of this
// runtime (the factory of ORB.init() and the full ORB) is one, so the
// cast `(org.omg.CORBA_2_3.ORB) orb` holds.  The value factory registry
// itself is org.omg.CORBA.ORB's.
public class ORB extends org.omg.CORBA.ORB {
    public ORB() {
    }
}

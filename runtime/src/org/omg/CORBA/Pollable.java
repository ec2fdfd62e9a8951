package org.omg.CORBA;

// CORBA::Pollable, the abstract value type that the asynchronous messaging
// module's Poller extends (omniORB's pollable.idl declares it in the module
// CORBA, whose classes are the runtime's).  Only its test of readiness is
// here: the runtime has no PollableSet.
public interface Pollable extends org.omg.CORBA.portable.ValueBase {
    boolean is_ready(int timeout);
}

package vemo.harl.orb;

// The ORB that ORB.init(args, props) returns: object references over IIOP,
// the object adapter and its threads.
public class FullORB extends org.omg.CORBA.ORB {
    public FullORB(String[] args, java.util.Properties props) {
        throw new org.omg.CORBA.NO_IMPLEMENT("FullORB not built yet");
    }
}

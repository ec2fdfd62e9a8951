package vemo.harl.orb;

import vemo.harl.cdr.CDRInputStream;
import vemo.harl.cdr.CDROutputStream;
import vemo.harl.cdr.References;
import vemo.harl.ior.IOR;
import vemo.harl.ior.ObjectRefs;

// Object references on the CDR streams of a full ORB: an IOR read into a
// reference bound to that ORB, a reference written as its IOR, a nil
// reference as the empty IOR (no type id, no profiles).
final class IorReferences implements References {
    private final FullORB orb;

    IorReferences(FullORB orb) {
        this.orb = orb;
    }

    public org.omg.CORBA.Object read(CDRInputStream in) {
        IOR ior = ObjectRefs.readIOR(in);
        if (ior.isNil()) return null;
        return orb.reference(ior);
    }

    public void write(CDROutputStream out, org.omg.CORBA.Object obj) {
        ObjectRefs.writeIOR(out, obj == null ? IOR.NIL : orb.iorOf(obj));
    }
}

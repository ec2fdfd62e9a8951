package vemo.harl.cdr;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.NO_IMPLEMENT;
import org.omg.CORBA.ORB;

// How object references travel on a CDR stream.  CDR knows nothing of
// IORs or of the ORB that binds them: a stream reads and writes references
// through the References of its ORB (every ORB of the runtime is a
// Source), or, for a stream without one, of the factory of ORB.init().
// References inside an any's value never come here: the any keeps them
// aside by index.
public interface References {
    // The reference that follows in the stream (null for a nil one).
    org.omg.CORBA.Object read(CDRInputStream in);

    // Writes a reference (null for nil).
    void write(CDROutputStream out, org.omg.CORBA.Object obj);

    // An ORB whose streams carry references.
    interface Source {
        References references();
    }

    // The References a stream of this ORB (null for none) uses.
    static References of(ORB orb) {
        if (orb instanceof Source) return ((Source) orb).references();
        ORB factory = ORB.init();
        if (factory instanceof Source) return ((Source) factory).references();
        throw new NO_IMPLEMENT("object references on a stream need an ORB of this runtime (the factory of ORB.init() is "
                               + factory.getClass().getName() + ")", 0, CompletionStatus.COMPLETED_NO);
    }
}

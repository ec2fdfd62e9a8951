package vemo.harl.orb;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;

// The ORB's use of the system-exception registry of vemo.harl.cdr: a
// completion status as it arrives in a reply (an out-of-range value is
// taken as MAYBE), and the reason the client's exception gives.
final class SystemExceptions {
    private SystemExceptions() { }

    // The OMG's standard minor codes: OMG | n.
    static final int OMG = 0x4f4d0000;
    static final int TRANSIENT_DISCARDED = OMG | 1;      // the server does not take requests now
    static final int TRANSIENT_NO_PROFILE = OMG | 2;     // no profile of the reference could be used
    static final int BAD_INV_ORDER_DEADLOCK = OMG | 3;   // the operation would wait for itself
    static final int BAD_INV_ORDER_SHUTDOWN = OMG | 4;   // the ORB has shut down
    static final int BAD_OPERATION_UNKNOWN = OMG | 2;    // operation not known to the target
    static final int CODESET_UNSUPPORTED = OMG | 2;      // a code set the server cannot transmit

    static String idOf(SystemException e) {
        return vemo.harl.cdr.SystemExceptions.id(e);
    }

    static SystemException make(String id, int minor, int completed) {
        return make(id, minor, completed, "raised by the server");
    }

    static SystemException make(String id, int minor, int completed, String reason) {
        CompletionStatus status;
        try {
            status = CompletionStatus.from_int(completed);
        } catch (RuntimeException e) {
            status = CompletionStatus.COMPLETED_MAYBE;
        }
        return vemo.harl.cdr.SystemExceptions.create(id, reason, minor, status);
    }
}

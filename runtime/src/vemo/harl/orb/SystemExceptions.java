package vemo.harl.orb;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;

// The ORB's use of the system-exception registry of vemo.harl.cdr: a
// completion status as it arrives in a reply (an out-of-range value is
// taken as MAYBE), and the reason the client's exception gives.
final class SystemExceptions {
    private SystemExceptions() { }

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

package org.omg.CORBA.portable;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;

// A failure inside the ORB, named by the repository identifier of the
// system exception it stands for, with its minor code and completion
// status.  SystemException.fromORBException turns it into that exception.
public class ORBException extends RuntimeException {
    public final String id;
    public final int minor;
    public final CompletionStatus completed;

    public ORBException(String id, int minor, CompletionStatus completed, String reason) {
        super(reason);
        this.id = id;
        this.minor = minor;
        this.completed = completed == null ? CompletionStatus.COMPLETED_MAYBE : completed;
    }

    public ORBException(SystemException e) {
        this(vemo.harl.cdr.SystemExceptions.id(e), e.minor, e.completed, e.getMessage());
        initCause(e);
    }

    // The system exception this failure stands for: the one it was made
    // from, or a new one of the class its identifier names (UNKNOWN for an
    // identifier that names none).
    public SystemException asSystemException() {
        if (getCause() instanceof SystemException) return (SystemException) getCause();
        SystemException e = vemo.harl.cdr.SystemExceptions.create(id, getMessage(), minor, completed);
        e.initCause(this);
        return e;
    }
}

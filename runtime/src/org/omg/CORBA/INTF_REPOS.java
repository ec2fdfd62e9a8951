package org.omg.CORBA;

/**
 * The standard system exception INTF_REPOS, repository identifier
 * IDL:omg.org/CORBA/INTF_REPOS:1.0.
 */
public final class INTF_REPOS extends SystemException {
    public INTF_REPOS() {
        this("", 0, CompletionStatus.COMPLETED_NO);
    }

    public INTF_REPOS(String reason) {
        this(reason, 0, CompletionStatus.COMPLETED_NO);
    }

    public INTF_REPOS(int minor, CompletionStatus completed) {
        this("", minor, completed);
    }

    public INTF_REPOS(String reason, int minor, CompletionStatus completed) {
        super(reason, minor, completed);
    }
}

package org.omg.CORBA.portable;

// One request as the object adapter hands it to a servant: the operation's
// name and number in the servant's dispatch table, and the argument arrays
// the skeleton's _execute reads its arguments from and stores its results
// into.  The holder of a raised user exception is kept in raised.
public class ServerInvocation {
    public final String operation;
    public final int intf;
    public final int op;
    public final long[] n;
    public final java.lang.Object[] o;
    public final org.omg.CORBA.Context context;
    public java.lang.Object raised;

    public ServerInvocation(String operation, int intf, int op, long[] n, java.lang.Object[] o,
                            org.omg.CORBA.Context context) {
        this.operation = operation;
        this.intf = intf;
        this.op = op;
        this.n = n;
        this.o = o;
        this.context = context;
    }

    // Runs the call on a skeleton, keeping what it raises.
    public void execute(Skeleton skeleton) throws java.lang.Exception {
        raised = skeleton._execute(intf, op, n, o, context);
    }
}

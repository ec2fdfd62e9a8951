package org.omg.CORBA.portable;

// Test stand-in: what a server-side skeleton offers its runtime: the
// descriptor tables it dispatches on and the dispatch itself.
public interface Skeleton {
    OperationDescriptor[][] _get_dispatch_table();

    java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
        throws java.lang.Exception;
}

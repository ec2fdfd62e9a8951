package org.omg.CORBA.portable;

// What a server-side skeleton offers the object adapter: the descriptor
// tables it dispatches on (one table per interface, indexed by operation
// number) and the dispatch itself.  _execute returns the holder of a raised
// user exception, or null.
public interface Skeleton {
    OperationDescriptor[][] _get_dispatch_table();

    java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
        throws java.lang.Exception;
}

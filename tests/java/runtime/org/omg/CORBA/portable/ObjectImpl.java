package org.omg.CORBA.portable;

// Test stand-in: the base of stubs and skeletons.  A stub hands its calls
// to its delegate; an object without delegate (a servant) answers _is_a
// from its own list of repository identifiers.
public abstract class ObjectImpl implements org.omg.CORBA.Object {
    private Delegate delegate;

    protected ObjectImpl(Delegate d) {
        delegate = d;
    }

    public Delegate _get_delegate() {
        return delegate;
    }

    public void _set_delegate(Delegate d) {
        delegate = d;
    }

    public abstract String[] _get_ids();

    public boolean _is_a(String repositoryIdentifier) {
        if (delegate != null) return delegate.is_a(this, repositoryIdentifier);
        for (String id : _get_ids()) {
            if (id.equals(repositoryIdentifier)) return true;
        }
        return false;
    }

    // Performs one call; the result is the holder of a raised user
    // exception, or null.
    public java.lang.Object _invoke(OperationDescriptor op, long[] n, java.lang.Object[] o) {
        if (delegate == null) throw new org.omg.CORBA.INV_OBJREF(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        return delegate.invoke(this, op, n, o);
    }
}

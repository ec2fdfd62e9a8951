package org.omg.CORBA.portable;

// The base of stubs and skeletons.  A stub hands its calls to its delegate;
// an object without delegate (a servant not yet connected to an ORB)
// answers _is_a from its own list of repository identifiers.
public abstract class ObjectImpl implements org.omg.CORBA.Object, java.io.Serializable {
    private volatile Delegate delegate;

    protected ObjectImpl(Delegate d) {
        delegate = d;
    }

    protected ObjectImpl() {
        this(null);
    }

    public Delegate _get_delegate() {
        return delegate;
    }

    public void _set_delegate(Delegate d) {
        delegate = d;
    }

    public abstract String[] _get_ids();

    private boolean ownId(String repositoryIdentifier) {
        if ("IDL:omg.org/CORBA/Object:1.0".equals(repositoryIdentifier)) return true;
        String[] ids = _get_ids();
        if (ids != null) {
            for (String id : ids) {
                if (id.equals(repositoryIdentifier)) return true;
            }
        }
        return false;
    }

    public boolean _is_a(String repositoryIdentifier) {
        if (repositoryIdentifier == null) return false;
        Delegate d = delegate;
        // A servant knows its interfaces; so does a stub, made only for an
        // object of its interface.
        boolean yes = d == null || (this instanceof Skeleton) || ownId(repositoryIdentifier)
                      ? ownId(repositoryIdentifier) : d.is_a(this, repositoryIdentifier);
        // The answer, for the message of a narrow that fails on it.
        NarrowFailures.answered(yes, repositoryIdentifier, _get_ids());
        return yes;
    }

    public boolean _non_existent() {
        Delegate d = delegate;
        if (d == null || (this instanceof Skeleton)) return false;
        return d.non_existent(this);
    }

    public boolean _is_equivalent(org.omg.CORBA.Object other) {
        if (other == this) return true;
        if (other == null) return false;
        Delegate d = delegate;
        return d != null && d.is_equivalent(this, other);
    }

    public int _hash(int maximum) {
        Delegate d = delegate;
        if (d != null) return d.hash(this, maximum);
        int h = System.identityHashCode(this) & 0x7FFFFFFF;
        return maximum <= 0 ? 0 : (int) (h % ((long) maximum + 1));
    }

    public org.omg.CORBA.Object _duplicate() {
        Delegate d = delegate;
        return d == null ? this : d.duplicate(this);
    }

    public void _release() {
        Delegate d = delegate;
        if (d != null) d.release(this);
    }

    public org.omg.CORBA.ORB _orb() {
        Delegate d = delegate;
        if (d == null) throw new org.omg.CORBA.BAD_INV_ORDER(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        return d.orb(this);
    }

    // Performs one call; the result is the holder of a raised user
    // exception, or null.
    public java.lang.Object _invoke(OperationDescriptor op, long[] n, java.lang.Object[] o) {
        Delegate d = delegate;
        if (d == null) throw new org.omg.CORBA.INV_OBJREF(0, org.omg.CORBA.CompletionStatus.COMPLETED_NO);
        return d.invoke(this, op, n, o);
    }

    public boolean equals(java.lang.Object other) {
        if (other == this) return true;
        if (!(other instanceof org.omg.CORBA.Object)) return false;
        Delegate d = delegate;
        return d != null && d.is_equivalent(this, (org.omg.CORBA.Object) other);
    }

    public int hashCode() {
        Delegate d = delegate;
        return d != null ? d.hash(this, Integer.MAX_VALUE) : System.identityHashCode(this);
    }

    // The stringified reference when the object is bound to an ORB.
    public String toString() {
        Delegate d = delegate;
        return d != null ? d.toString(this) : super.toString();
    }
}

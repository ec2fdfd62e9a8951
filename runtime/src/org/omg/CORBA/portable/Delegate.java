package org.omg.CORBA.portable;

// What carries a stub's calls to the object it stands for: the remote
// delegate of the vemo.harl ORB, or any other carrier a program installs.
// A stub made by a Helper's narrow shares the delegate of the reference it
// was narrowed from.
public abstract class Delegate {
    // Performs one call described by op with the argument arrays of the
    // stub; returns the holder of a raised user exception, or null.
    public abstract java.lang.Object invoke(ObjectImpl self, OperationDescriptor op, long[] n,
                                            java.lang.Object[] o);

    public abstract boolean is_a(ObjectImpl self, String repositoryIdentifier);

    public boolean non_existent(ObjectImpl self) {
        return false;
    }

    public boolean is_equivalent(ObjectImpl self, org.omg.CORBA.Object other) {
        if (other == self) return true;
        if (!(other instanceof ObjectImpl)) return false;
        return ((ObjectImpl) other)._get_delegate() == this;
    }

    public int hash(ObjectImpl self, int maximum) {
        int h = System.identityHashCode(this) & 0x7FFFFFFF;
        return maximum <= 0 ? 0 : (int) (h % ((long) maximum + 1));
    }

    public org.omg.CORBA.Object duplicate(ObjectImpl self) {
        return self;
    }

    public void release(ObjectImpl self) {
    }

    public org.omg.CORBA.ORB orb(ObjectImpl self) {
        return null;
    }

    public String toString(ObjectImpl self) {
        return self.getClass().getName() + "@" + Integer.toHexString(System.identityHashCode(self));
    }
}

package org.omg.CORBA.portable;

// Test stand-in: what carries a stub's calls to the object it stands for.
public abstract class Delegate {
    public abstract java.lang.Object invoke(ObjectImpl self, OperationDescriptor op, long[] n,
                                            java.lang.Object[] o);

    public abstract boolean is_a(ObjectImpl self, String repositoryIdentifier);
}

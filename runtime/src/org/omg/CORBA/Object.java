package org.omg.CORBA;

// An object reference.  Stubs and servants implement it through
// org.omg.CORBA.portable.ObjectImpl, which asks the object itself where
// that takes a call; the defaults here serve a plain local object.
public interface Object {
    // Whether the object supports the interface of the repository identifier.
    boolean _is_a(String repositoryIdentifier);

    // Whether the object is known to be gone.
    default boolean _non_existent() {
        return false;
    }

    // Whether two references certainly name the same object.
    default boolean _is_equivalent(org.omg.CORBA.Object other) {
        return this == other;
    }

    // A hash of the reference in 0 to maximum.
    default int _hash(int maximum) {
        int h = System.identityHashCode(this) & 0x7FFFFFFF;
        return maximum <= 0 ? 0 : (int) (h % ((long) maximum + 1));
    }

    // References are shared: a copy is the reference itself, and releasing
    // one does nothing.
    default org.omg.CORBA.Object _duplicate() {
        return this;
    }

    default void _release() {
    }
}

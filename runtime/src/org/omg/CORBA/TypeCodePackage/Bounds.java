package org.omg.CORBA.TypeCodePackage;

// Raised by a TypeCode accessor given a member index outside the members.
// Unchecked, like BadKind.
public final class Bounds extends RuntimeException {
    public Bounds() {
        super("member index out of range");
    }

    public Bounds(String reason) {
        super(reason);
    }
}

package org.omg.CORBA.TypeCodePackage;

// Raised by a TypeCode accessor that does not apply to the type code's
// kind (the members of a sequence, the length of a struct ...).
// Unchecked, so that callers that know the kind need not catch it.
public final class BadKind extends RuntimeException {
    public BadKind() {
        super("the operation does not apply to this kind of type code");
    }

    public BadKind(String reason) {
        super(reason);
    }
}

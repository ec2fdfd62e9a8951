package org.omg.CORBA.portable;

// A class that maps an IDL value type; the box class of a boxed value of a
// primitive type is one.
public interface ValueBase extends IDLEntity {
    // The repository identifiers of the value's type, most derived first.
    String[] _truncatable_ids();
}

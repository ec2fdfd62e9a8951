package org.omg.CORBA;

// A value type code's modifier.
public interface VM_TRUNCATABLE {
    short value = 3;
}

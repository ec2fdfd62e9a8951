package org.omg.CORBA;

// A value type code's modifier.
public interface VM_ABSTRACT {
    short value = 2;
}

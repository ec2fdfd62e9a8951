package org.omg.CORBA;

// A value type code's modifier.
public interface VM_CUSTOM {
    short value = 1;
}

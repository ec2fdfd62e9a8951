package org.omg.CORBA;

// A value type code's modifier.
public interface VM_NONE {
    short value = 0;
}

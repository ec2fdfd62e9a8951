package org.omg.CORBA;

// The visibility of a private state member of a value type.
public interface PRIVATE_MEMBER {
    short value = 0;
}

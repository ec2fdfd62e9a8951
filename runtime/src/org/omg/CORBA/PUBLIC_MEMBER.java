package org.omg.CORBA;

// The visibility of a public state member of a value type.
public interface PUBLIC_MEMBER {
    short value = 1;
}

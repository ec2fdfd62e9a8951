package org.omg.CORBA;

// Test stand-in: an object reference.
public interface Object {
    boolean _is_a(String repositoryIdentifier);
}

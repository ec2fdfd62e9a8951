package org.omg.CORBA;

// Test stand-in: the caller's identity.
public class Principal {
}

package org.omg.CORBA;

// Test stand-in: the call context handed to a skeleton; it carries nothing.
public class Context {
}

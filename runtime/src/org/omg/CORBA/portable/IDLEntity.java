package org.omg.CORBA.portable;

// Marks a class that maps an IDL type.
public interface IDLEntity extends java.io.Serializable {
}

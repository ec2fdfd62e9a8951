package org.omg.CORBA;

// Test stand-in: one member of a struct or exception type code.
public final class StructMember {
    public String name;
    public TypeCode type;
    public java.lang.Object type_def;

    public StructMember(String name, TypeCode type, java.lang.Object type_def) {
        this.name = name;
        this.type = type;
        this.type_def = type_def;
    }
}

package org.omg.CORBA;

// Test stand-in: one member of a union type code.
public final class UnionMember {
    public String name;
    public Any label;
    public TypeCode type;
    public java.lang.Object type_def;

    public UnionMember(String name, Any label, TypeCode type, java.lang.Object type_def) {
        this.name = name;
        this.label = label;
        this.type = type;
        this.type_def = type_def;
    }
}

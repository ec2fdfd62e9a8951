package org.omg.CORBA;

// One member of a union type code: its label (an any of the
// discriminator's type; the octet 0 marks the default member), name and
// type.
public final class UnionMember {
    public String name;
    public Any label;
    public TypeCode type;
    public IDLType type_def;

    public UnionMember() {
    }

    public UnionMember(String name, Any label, TypeCode type, IDLType type_def) {
        this.name = name;
        this.label = label;
        this.type = type;
        this.type_def = type_def;
    }
}

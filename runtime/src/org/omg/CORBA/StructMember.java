package org.omg.CORBA;

// One member of a struct or exception type code.  type_def is kept for
// the interface repository and not used.
public final class StructMember {
    public String name;
    public TypeCode type;
    public IDLType type_def;

    public StructMember() {
    }

    public StructMember(String name, TypeCode type, IDLType type_def) {
        this.name = name;
        this.type = type;
        this.type_def = type_def;
    }
}

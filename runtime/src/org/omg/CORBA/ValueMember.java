package org.omg.CORBA;

// One state member of a value type code, with its visibility
// (PRIVATE_MEMBER 0, PUBLIC_MEMBER 1).
public final class ValueMember {
    public String name;
    public String id;
    public String defined_in;
    public String version;
    public TypeCode type;
    public IDLType type_def;
    public short access;

    public ValueMember() {
    }

    public ValueMember(String name, String id, String defined_in, String version, TypeCode type,
                       IDLType type_def, short access) {
        this.name = name;
        this.id = id;
        this.defined_in = defined_in;
        this.version = version;
        this.type = type;
        this.type_def = type_def;
        this.access = access;
    }
}

package org.omg.CORBA;

// Test stand-in: the factory of type codes and anys.
public class ORB {
    private static final ORB orb = new ORB();

    public static ORB init() {
        return orb;
    }

    public TypeCode get_primitive_tc(TCKind kind) {
        return new TypeCode(kind, "", "", 0, null, null, null);
    }

    private static TypeCode members(TCKind kind, String id, String name, StructMember[] members) {
        String[] names = new String[members.length];
        TypeCode[] types = new TypeCode[members.length];
        for (int i = 0; i < members.length; i++) {
            names[i] = members[i].name;
            types[i] = members[i].type;
        }
        return new TypeCode(kind, id, name, 0, null, names, types);
    }

    public TypeCode create_struct_tc(String id, String name, StructMember[] members) {
        return members(TCKind.tk_struct, id, name, members);
    }

    public TypeCode create_exception_tc(String id, String name, StructMember[] members) {
        return members(TCKind.tk_except, id, name, members);
    }

    public TypeCode create_union_tc(String id, String name, TypeCode discriminator, UnionMember[] members) {
        String[] names = new String[members.length];
        TypeCode[] types = new TypeCode[members.length];
        for (int i = 0; i < members.length; i++) {
            names[i] = members[i].name;
            types[i] = members[i].type;
        }
        return new TypeCode(TCKind.tk_union, id, name, 0, discriminator, names, types);
    }

    public TypeCode create_enum_tc(String id, String name, String[] members) {
        return new TypeCode(TCKind.tk_enum, id, name, 0, null, members.clone(), null);
    }

    public TypeCode create_alias_tc(String id, String name, TypeCode original) {
        return new TypeCode(TCKind.tk_alias, id, name, 0, original, null, null);
    }

    public TypeCode create_interface_tc(String id, String name) {
        return new TypeCode(TCKind.tk_objref, id, name, 0, null, null, null);
    }

    public TypeCode create_sequence_tc(int bound, TypeCode element) {
        return new TypeCode(TCKind.tk_sequence, "", "", bound, element, null, null);
    }

    public TypeCode create_array_tc(int length, TypeCode element) {
        return new TypeCode(TCKind.tk_array, "", "", length, element, null, null);
    }

    public Any create_any() {
        return new Any();
    }
}

package org.omg.CORBA;

// Test stand-in: a type description that remembers what it was made from.
public class TypeCode {
    private final TCKind kind;
    private final String id;
    private final String name;
    private final int length;
    private final TypeCode content;
    private final String[] memberNames;
    private final TypeCode[] memberTypes;

    TypeCode(TCKind kind, String id, String name, int length, TypeCode content, String[] memberNames,
             TypeCode[] memberTypes) {
        this.kind = kind;
        this.id = id;
        this.name = name;
        this.length = length;
        this.content = content;
        this.memberNames = memberNames;
        this.memberTypes = memberTypes;
    }

    public TCKind kind() {
        return kind;
    }

    public String id() {
        return id;
    }

    public String name() {
        return name;
    }

    public int length() {
        return length;
    }

    public TypeCode content_type() {
        return content;
    }

    public int member_count() {
        return memberNames == null ? 0 : memberNames.length;
    }

    public String member_name(int i) {
        return memberNames[i];
    }

    public TypeCode member_type(int i) {
        return memberTypes[i];
    }
}

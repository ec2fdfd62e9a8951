package org.omg.CORBA;

// Test stand-in: the kinds of type codes, with the standard numbers.
public final class TCKind {
    public static final TCKind tk_null = new TCKind(0);
    public static final TCKind tk_void = new TCKind(1);
    public static final TCKind tk_short = new TCKind(2);
    public static final TCKind tk_long = new TCKind(3);
    public static final TCKind tk_ushort = new TCKind(4);
    public static final TCKind tk_ulong = new TCKind(5);
    public static final TCKind tk_float = new TCKind(6);
    public static final TCKind tk_double = new TCKind(7);
    public static final TCKind tk_boolean = new TCKind(8);
    public static final TCKind tk_char = new TCKind(9);
    public static final TCKind tk_octet = new TCKind(10);
    public static final TCKind tk_any = new TCKind(11);
    public static final TCKind tk_TypeCode = new TCKind(12);
    public static final TCKind tk_Principal = new TCKind(13);
    public static final TCKind tk_objref = new TCKind(14);
    public static final TCKind tk_struct = new TCKind(15);
    public static final TCKind tk_union = new TCKind(16);
    public static final TCKind tk_enum = new TCKind(17);
    public static final TCKind tk_string = new TCKind(18);
    public static final TCKind tk_sequence = new TCKind(19);
    public static final TCKind tk_array = new TCKind(20);
    public static final TCKind tk_alias = new TCKind(21);
    public static final TCKind tk_except = new TCKind(22);
    public static final TCKind tk_longlong = new TCKind(23);
    public static final TCKind tk_ulonglong = new TCKind(24);
    public static final TCKind tk_wchar = new TCKind(26);
    public static final TCKind tk_wstring = new TCKind(27);

    private final int value;

    private TCKind(int value) {
        this.value = value;
    }

    public int value() {
        return value;
    }
}

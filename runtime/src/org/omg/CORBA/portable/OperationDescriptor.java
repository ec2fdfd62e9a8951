package org.omg.CORBA.portable;

// How one operation travels, as stubs and skeletons describe it.  Each
// entry of params is a type code kind, ORed with a mode word for a
// parameter (IN, OUT or INOUT; the result entry, first when there is one,
// has none); classes names, for each entry, the holder class a value
// travels in, or null for a value that travels bare (a primitive in the
// long array, a string, an any, a type code, a reference); exceptionIds and
// exceptionClasses list the user exceptions the operation may raise, by
// repository identifier and holder class, in the same order.  An attribute
// accessor is named _get_NAME or _set_NAME.
public class OperationDescriptor {
    public static final int IN = 0x40000000;
    public static final int OUT = 0x80000000;
    public static final int INOUT = 0xC0000000;
    public static final int MODE = 0xC0000000;

    public final String name;
    public final int[] params;
    @SuppressWarnings("rawtypes")
    public final Class[] classes;
    public final String[] exceptionIds;
    @SuppressWarnings("rawtypes")
    public final Class[] exceptionClasses;
    public final boolean oneway;

    @SuppressWarnings("rawtypes")
    public OperationDescriptor(String name, int[] params, Class[] classes, String[] exceptionIds,
                               Class[] exceptionClasses, boolean oneway) {
        this.name = name;
        this.params = params;
        this.classes = classes;
        this.exceptionIds = exceptionIds;
        this.exceptionClasses = exceptionClasses;
        this.oneway = oneway;
    }

    // The mode word of an entry (0 for the result) and its kind.
    public static int mode(int entry) {
        return entry & MODE;
    }

    public static int kind(int entry) {
        return entry & ~MODE;
    }

    public String toString() {
        return "operation " + name;
    }
}

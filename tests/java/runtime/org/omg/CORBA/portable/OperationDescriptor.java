package org.omg.CORBA.portable;

// Test stand-in: how one operation travels.  Each entry of params is a type
// code, ORed with a mode word for a parameter (a result entry has none);
// classes names the holder class of each entry that travels as a holder;
// exceptionIds and exceptionClasses list the user exceptions the call may
// raise, by repository identifier and holder class.
public class OperationDescriptor {
    public static final int IN = 0x40000000;
    public static final int OUT = 0x80000000;
    public static final int INOUT = 0xC0000000;
    public static final int MODE = 0xC0000000;

    public final String name;
    public final int[] params;
    public final Class[] classes;
    public final String[] exceptionIds;
    public final Class[] exceptionClasses;
    public final boolean oneway;

    public OperationDescriptor(String name, int[] params, Class[] classes, String[] exceptionIds,
                               Class[] exceptionClasses, boolean oneway) {
        this.name = name;
        this.params = params;
        this.classes = classes;
        this.exceptionIds = exceptionIds;
        this.exceptionClasses = exceptionClasses;
        this.oneway = oneway;
    }
}

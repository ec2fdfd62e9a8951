package org.omg.CORBA.portable;

import org.omg.CORBA.TypeCode;

// What every holder class implements: its value written to and read from a
// stream, and the value's type code.
public interface Streamable {
    void __write(OutputStream out);

    void __read(InputStream in);

    TypeCode __type();
}

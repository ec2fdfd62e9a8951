package org.omg.CORBA.portable;

import org.omg.CORBA.TypeCode;

// Test stand-in: what every holder class implements.
public interface Streamable {
    void __write(OutputStream out);

    void __read(InputStream in);

    TypeCode __type();
}

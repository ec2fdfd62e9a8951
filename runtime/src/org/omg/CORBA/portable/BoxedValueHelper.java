package org.omg.CORBA.portable;

// What a boxed value's Helper tells a stream: how to read and write the
// boxed value itself (the stream writes the value tag and repository
// identifier around it) and the box's repository identifier.
public interface BoxedValueHelper {
    java.io.Serializable read_value(InputStream in);
    void write_value(OutputStream out, java.io.Serializable value);
    String get_id();
}

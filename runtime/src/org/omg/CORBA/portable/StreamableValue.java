package org.omg.CORBA.portable;

// A value type whose state the generated code marshals: the stream writes
// the value tag and repository identifiers, then calls __write; reading,
// the value's factory makes an instance and the stream calls __read.
public interface StreamableValue extends Streamable, ValueBase {
}

package org.omg.CORBA.portable;

// Makes the instance of a value type that a stream reads: typically
//
//     public java.io.Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
//         return in.read_value(new AccountImpl());
//     }
//
// which hands the new instance back to the stream to read its state.
// Registered with ORB.register_value_factory under the value type's
// repository identifier, or found as the class <Name>DefaultFactory.
public interface ValueFactory {
    java.io.Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in);
}

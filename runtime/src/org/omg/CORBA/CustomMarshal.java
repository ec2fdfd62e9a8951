package org.omg.CORBA;

// The state of a custom value type, written and read by the value itself.
public interface CustomMarshal {
    void marshal(DataOutputStream os);

    void unmarshal(DataInputStream is);
}

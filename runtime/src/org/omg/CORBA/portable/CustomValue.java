package org.omg.CORBA.portable;

// A custom value type (`custom valuetype`): its own marshal and unmarshal
// write and read its state; it always travels chunked.
public interface CustomValue extends ValueBase, org.omg.CORBA.CustomMarshal {
}

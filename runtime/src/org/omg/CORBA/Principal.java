package org.omg.CORBA;

// The identity of a caller, as GIOP 1.0 and 1.1 requests carry it: an
// opaque sequence of octets.
public class Principal {
    private byte[] name;

    public Principal() {
        this(new byte[0]);
    }

    public Principal(byte[] name) {
        this.name = name == null ? new byte[0] : name.clone();
    }

    public byte[] name() {
        return name.clone();
    }

    public void name(byte[] value) {
        name = value == null ? new byte[0] : value.clone();
    }

    public boolean equals(java.lang.Object other) {
        return other instanceof Principal && java.util.Arrays.equals(name, ((Principal) other).name);
    }

    public int hashCode() {
        return java.util.Arrays.hashCode(name);
    }
}

package org.omg.CORBA;

// The call context handed to a skeleton's _execute: named string values a
// caller may pass along with a request.  Generated code only passes it on.
public class Context {
    private final java.util.Map<String, String> values = new java.util.TreeMap<>();

    public synchronized void set_one_value(String name, String value) {
        values.put(name, value);
    }

    // The value of a name, or null.
    public synchronized String get_one_value(String name) {
        return values.get(name);
    }

    public synchronized void delete_values(String name) {
        values.remove(name);
    }

    public synchronized java.util.Map<String, String> values() {
        return new java.util.TreeMap<>(values);
    }
}

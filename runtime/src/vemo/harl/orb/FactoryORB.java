package vemo.harl.orb;

import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.BoxedValueHelper;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.ValueFactory;

import vemo.harl.cdr.AnyValue;
import vemo.harl.cdr.CDROutputStream;
import vemo.harl.cdr.References;
import vemo.harl.cdr.ValueFactories;

// The ORB of ORB.init(): the shared factory of type codes, anys and CDR
// streams, without a network.  It keeps the values of anys (AnyValue),
// adds the process's registry to the value factories (ValueFactories), and
// binds the references its streams read to the default full ORB, made on
// first use.  FullORB extends it with the network.
public class FactoryORB extends org.omg.CORBA_2_3.ORB implements References.Source {
    public FactoryORB() {
    }

    public OutputStream create_output_stream() {
        return new CDROutputStream(this);
    }

    // The references of streams that belong to no full ORB.
    public References references() {
        return FullORB.defaultORB().references();
    }

    protected void value_factory_registered(String id, ValueFactory before, ValueFactory after) {
        ValueFactories.registered(id, before, after);
    }

    protected ValueFactory value_factory_elsewhere(String id) {
        return ValueFactories.lookup(id);
    }

    protected org.omg.CORBA_2_3.portable.OutputStream create_any_stream() {
        return AnyValue.stream();
    }

    protected Object any_value(OutputStream written) {
        return AnyValue.of(written);
    }

    protected InputStream any_input(Object value) {
        return AnyValue.input((AnyValue) value);
    }

    protected Object any_read(InputStream in, TypeCode t) {
        return AnyValue.read(in, t);
    }

    protected void any_write(Object value, TypeCode t, OutputStream out) {
        AnyValue.write((AnyValue) value, t, out);
    }

    protected boolean any_equal(TypeCode t, Object a, Object b) {
        return AnyValue.equal(t, (AnyValue) a, (AnyValue) b);
    }

    protected BoxedValueHelper box_helper(String id) {
        return ValueFactories.boxHelper(id);
    }
}

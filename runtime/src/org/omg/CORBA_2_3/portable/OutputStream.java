package org.omg.CORBA_2_3.portable;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.portable.BoxedValueHelper;

// A stream that also writes values.  The runtime's CDR stream
// (vemo.harl.cdr.CDROutputStream) extends this and does all of it:
// repository identifiers, sharing, chunks and abstract interfaces; here
// only a boxed value is written (the null tag, or the value tag with one
// repository identifier and the box's value), and the rest raises
// NO_IMPLEMENT.
public abstract class OutputStream extends org.omg.CORBA.portable.OutputStream {
    public void write_value(java.io.Serializable value, BoxedValueHelper helper) {
        if (value == null) {
            write_long(InputStream.NULL_TAG);
            return;
        }
        write_long(InputStream.VALUE_TAG_BASE | InputStream.SINGLE_ID);
        write_string(helper.get_id());
        helper.write_value(this, value);
    }

    private static org.omg.CORBA.NO_IMPLEMENT values(String what) {
        return new org.omg.CORBA.NO_IMPLEMENT(what + " on a stream that writes no values", 0,
                                             CompletionStatus.COMPLETED_NO);
    }

    // A value with the repository identifiers of its own class.
    public void write_value(java.io.Serializable value) {
        throw values("write_value(Serializable)");
    }

    // The same; the identifier or class the parameter is declared with
    // does not change what is written (the value's own type travels).
    public void write_value(java.io.Serializable value, String repositoryId) {
        write_value(value);
    }

    @SuppressWarnings("rawtypes")
    public void write_value(java.io.Serializable value, Class clz) {
        write_value(value);
    }

    // An abstract interface: an object reference (TRUE, then the
    // reference) or anything else as a value (FALSE, then the value).
    public void write_abstract_interface(java.lang.Object value) {
        throw values("write_abstract_interface");
    }
}

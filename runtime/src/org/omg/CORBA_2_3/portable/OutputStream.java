package org.omg.CORBA_2_3.portable;

import org.omg.CORBA.portable.BoxedValueHelper;

// A stream that also writes values: null as the null tag; otherwise the
// value tag announcing one repository identifier, the box's identifier, and
// the value as its Helper writes it.
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
}

package org.omg.CORBA_2_3.portable;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.portable.BoxedValueHelper;

// A stream that also reads values: a value tag (0 for null), the type
// information the tag announces, then the value as its Helper reads it.
// The runtime's CDR stream (vemo.harl.cdr.CDRInputStream) extends this and
// does all of it: factories, indirections to values read before, chunks,
// truncation and abstract interfaces; here only boxed values without
// those are read, and the rest raises NO_IMPLEMENT.
public abstract class InputStream extends org.omg.CORBA.portable.InputStream {
    // Value tags: the range of tags, and the bits within it.
    public static final int NULL_TAG = 0;
    public static final int INDIRECTION_TAG = 0xffffffff;
    public static final int VALUE_TAG_BASE = 0x7fffff00;
    public static final int CODEBASE_BIT = 0x01;
    public static final int TYPE_INFO_MASK = 0x06;
    public static final int SINGLE_ID = 0x02;
    public static final int ID_LIST = 0x06;
    public static final int CHUNKED_BIT = 0x08;

    // A boxed value, or null.
    public java.io.Serializable read_value(BoxedValueHelper helper) {
        int tag = read_long();
        if (tag == NULL_TAG) return null;
        if (tag == INDIRECTION_TAG)
            throw new MARSHAL("indirection to an earlier value on a stream that keeps no values", 0,
                              CompletionStatus.COMPLETED_NO);
        readTypeInfo(tag, helper);
        return helper.read_value(this);
    }

    private static org.omg.CORBA.NO_IMPLEMENT values(String what) {
        return new org.omg.CORBA.NO_IMPLEMENT(what + " on a stream that reads no values", 0,
                                             CompletionStatus.COMPLETED_NO);
    }

    // A value whose type the repository identifiers on the wire name.
    public java.io.Serializable read_value() {
        throw values("read_value()");
    }

    // A value of the class or a class derived from it.
    @SuppressWarnings("rawtypes")
    public java.io.Serializable read_value(Class clz) {
        throw values("read_value(Class)");
    }

    // A value of the type with the repository identifier, or of a type
    // derived from it.
    public java.io.Serializable read_value(String repositoryId) {
        throw values("read_value(String)");
    }

    // From a value factory: the state of the value being read, read into
    // the instance the factory made; gives the instance.
    public java.io.Serializable read_value(java.io.Serializable value) {
        throw values("read_value(Serializable)");
    }

    // An abstract interface: an object reference or a value.
    public java.lang.Object read_abstract_interface() {
        throw values("read_abstract_interface()");
    }

    // The same, the reference of the stub class given.
    @SuppressWarnings("rawtypes")
    public java.lang.Object read_abstract_interface(Class clz) {
        return read_abstract_interface();
    }

    // After a value tag: the codebase URL and repository identifiers it
    // announces, checked against the box's own identifier when there is
    // one.  Chunked values (of truncatable types) are not boxes.
    protected void readTypeInfo(int tag, BoxedValueHelper helper) {
        if (tag < VALUE_TAG_BASE)
            throw new MARSHAL("value tag 0x" + Integer.toHexString(tag) + " is not a value tag", 0,
                              CompletionStatus.COMPLETED_NO);
        if ((tag & CHUNKED_BIT) != 0)
            throw new MARSHAL("a chunked value where a boxed value is expected", 0, CompletionStatus.COMPLETED_NO);
        if ((tag & CODEBASE_BIT) != 0) read_string();
        int info = tag & TYPE_INFO_MASK;
        if (info == SINGLE_ID) {
            String id = read_string();
            if (!id.equals(helper.get_id()))
                throw new MARSHAL("boxed value of type " + id + " where " + helper.get_id() + " is expected", 0,
                                  CompletionStatus.COMPLETED_NO);
        } else if (info == ID_LIST) {
            int n = read_long();
            if (n < 0 || n > available())
                throw new MARSHAL("repository identifier list of " + n + " beyond the data", 0,
                                  CompletionStatus.COMPLETED_NO);
            for (int i = 0; i < n; i++) read_string();
        } else if (info != 0) {
            throw new MARSHAL("value tag 0x" + Integer.toHexString(tag) + " with unknown type information", 0,
                              CompletionStatus.COMPLETED_NO);
        }
    }
}

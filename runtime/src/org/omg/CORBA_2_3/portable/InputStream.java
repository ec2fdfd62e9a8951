package org.omg.CORBA_2_3.portable;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.portable.BoxedValueHelper;

// A stream that also reads values: a value tag (0 for null), the type
// information the tag announces, then the value as its Helper reads it.
// The runtime's CDR stream extends this; it also follows indirections to
// values read before.
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

package vemo.harl.cdr;

import java.util.HashMap;
import java.util.Map;

import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// The standard system exceptions by repository identifier
// (IDL:omg.org/CORBA/NAME:1.0), their form in a GIOP reply (the
// identifier, the minor code and the completion status), and the OMG's
// standard minor codes the runtime raises.  An identifier that names no
// standard exception is read as UNKNOWN.
public final class SystemExceptions {
    private static final String PREFIX = "IDL:omg.org/CORBA/";
    private static final String SUFFIX = ":1.0";

    // The OMG's standard minor codes: OMG | n.
    public static final int OMG = 0x4f4d0000;
    public static final int TRANSIENT_DISCARDED = OMG | 1;      // the server does not take requests now
    public static final int TRANSIENT_NO_PROFILE = OMG | 2;     // no profile of the reference could be used
    public static final int BAD_INV_ORDER_DEADLOCK = OMG | 3;   // the operation would wait for itself
    public static final int BAD_INV_ORDER_SHUTDOWN = OMG | 4;   // the ORB has shut down
    public static final int BAD_OPERATION_UNKNOWN = OMG | 2;    // operation not known to the target
    public static final int CODESET_UNSUPPORTED = OMG | 2;      // a code set the server cannot transmit

    private interface Maker {
        SystemException make(String reason, int minor, CompletionStatus completed);
    }

    private static final Map<String, Maker> byId = new HashMap<>();
    private static final Map<Class<?>, String> byClass = new HashMap<>();

    private static void add(String name, Maker maker) {
        byId.put(PREFIX + name + SUFFIX, maker);
        byClass.put(maker.make("", 0, CompletionStatus.COMPLETED_NO).getClass(), PREFIX + name + SUFFIX);
    }

    static {
        add("UNKNOWN", UNKNOWN::new);
        add("BAD_PARAM", BAD_PARAM::new);
        add("NO_MEMORY", NO_MEMORY::new);
        add("IMP_LIMIT", IMP_LIMIT::new);
        add("COMM_FAILURE", COMM_FAILURE::new);
        add("INV_OBJREF", INV_OBJREF::new);
        add("NO_PERMISSION", NO_PERMISSION::new);
        add("INTERNAL", INTERNAL::new);
        add("MARSHAL", MARSHAL::new);
        add("INITIALIZE", INITIALIZE::new);
        add("NO_IMPLEMENT", NO_IMPLEMENT::new);
        add("BAD_TYPECODE", BAD_TYPECODE::new);
        add("BAD_OPERATION", BAD_OPERATION::new);
        add("NO_RESOURCES", NO_RESOURCES::new);
        add("NO_RESPONSE", NO_RESPONSE::new);
        add("PERSIST_STORE", PERSIST_STORE::new);
        add("BAD_INV_ORDER", BAD_INV_ORDER::new);
        add("TRANSIENT", TRANSIENT::new);
        add("FREE_MEM", FREE_MEM::new);
        add("INV_IDENT", INV_IDENT::new);
        add("INV_FLAG", INV_FLAG::new);
        add("INTF_REPOS", INTF_REPOS::new);
        add("BAD_CONTEXT", BAD_CONTEXT::new);
        add("OBJ_ADAPTER", OBJ_ADAPTER::new);
        add("DATA_CONVERSION", DATA_CONVERSION::new);
        add("OBJECT_NOT_EXIST", OBJECT_NOT_EXIST::new);
        add("TRANSACTION_REQUIRED", TRANSACTION_REQUIRED::new);
        add("TRANSACTION_ROLLEDBACK", TRANSACTION_ROLLEDBACK::new);
        add("INVALID_TRANSACTION", INVALID_TRANSACTION::new);
        add("INV_POLICY", INV_POLICY::new);
        add("CODESET_INCOMPATIBLE", CODESET_INCOMPATIBLE::new);
        add("REBIND", REBIND::new);
        add("TIMEOUT", TIMEOUT::new);
        add("TRANSACTION_UNAVAILABLE", TRANSACTION_UNAVAILABLE::new);
        add("TRANSACTION_MODE", TRANSACTION_MODE::new);
        add("BAD_QOS", BAD_QOS::new);
        add("INVALID_ACTIVITY", INVALID_ACTIVITY::new);
        add("ACTIVITY_COMPLETED", ACTIVITY_COMPLETED::new);
        add("ACTIVITY_REQUIRED", ACTIVITY_REQUIRED::new);
    }

    private SystemExceptions() {
    }

    // The repository identifier of an exception's class, or of the nearest
    // standard class it extends (UNKNOWN's for none).
    public static String id(SystemException e) {
        for (Class<?> c = e.getClass(); c != null; c = c.getSuperclass()) {
            String id = byClass.get(c);
            if (id != null) return id;
        }
        return PREFIX + "UNKNOWN" + SUFFIX;
    }

    // Whether the identifier names a standard system exception.
    public static boolean isStandard(String id) {
        return byId.containsKey(id);
    }

    // A new exception of the identifier's class; UNKNOWN (naming the
    // identifier in its reason) when it names none.
    public static SystemException create(String id, String reason, int minor, CompletionStatus completed) {
        Maker m = id == null ? null : byId.get(id);
        if (m == null) return new UNKNOWN("system exception " + id + (reason == null || reason.isEmpty() ? "" : ": " + reason),
                                          minor, completed);
        return m.make(reason == null ? "" : reason, minor, completed);
    }

    public static SystemException create(String id, int minor, CompletionStatus completed) {
        return create(id, "", minor, completed);
    }

    // An exception from the fields of a reply whose completion status was
    // read as a number: one outside 0 to 2 is taken as MAYBE.
    public static SystemException make(String id, int minor, int completed, String reason) {
        CompletionStatus status;
        try {
            status = CompletionStatus.from_int(completed);
        } catch (RuntimeException e) {
            status = CompletionStatus.COMPLETED_MAYBE;
        }
        return create(id, reason, minor, status);
    }

    // The body of a SYSTEM_EXCEPTION reply; a completion status outside 0
    // to 2 is MARSHAL.
    public static SystemException read(InputStream in) {
        String id = in.read_string();
        int minor = in.read_ulong();
        int completed = in.read_ulong();
        if (completed < 0 || completed > 2)
            throw new MARSHAL("completion status " + (completed & 0xFFFFFFFFL), 0, CompletionStatus.COMPLETED_MAYBE);
        return create(id, "raised by the peer", minor, CompletionStatus.from_int(completed));
    }

    public static void write(OutputStream out, SystemException e) {
        out.write_string(id(e));
        out.write_ulong(e.minor);
        out.write_ulong(e.completed.value());
    }
}

package vemo.harl.orb;

import java.util.ArrayList;
import java.util.List;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.TRANSIENT;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

import vemo.harl.cdr.SystemExceptions;
import vemo.harl.giop.Arguments;
import vemo.harl.giop.Cdr;
import vemo.harl.giop.Codec;
import vemo.harl.giop.Giop;
import vemo.harl.giop.Message;
import vemo.harl.ior.IOR;
import vemo.harl.ior.ObjectRefs;

// The delegate of a reference to an object reached over IIOP: it marshals
// a stub's argument arrays into a GIOP Request as the operation
// descriptor says, sends it on the shared connection to the object's
// endpoint, and fills the arrays from the Reply.  A reference to an object
// of the same ORB takes the same way through the request and reply octets
// without a socket.
public final class RemoteDelegate extends org.omg.CORBA.portable.Delegate {
    private static final int MAX_FORWARDS = 8;

    private final FullORB orb;
    private final IOR original;
    private volatile IOR target; // changed by LOCATION_FORWARD_PERM
    // The connection the last call took and the profile it was taken for
    // (the TLS port or the plain one), kept while it is open: the ORB's
    // lookup is a string key per call.
    private volatile Last last;

    private static final class Last {
        final IOR.IIOPProfile profile;
        final ClientConnection connection;

        Last(IOR.IIOPProfile profile, ClientConnection connection) {
            this.profile = profile;
            this.connection = connection;
        }
    }

    RemoteDelegate(FullORB orb, IOR ior) {
        this.orb = orb;
        this.original = ior;
        this.target = ior;
    }

    public IOR ior() {
        return original;
    }

    public FullORB fullORB() {
        return orb;
    }

    // The operation name on the wire.  Descriptors of operations carry the
    // Java method name, which has one leading underscore when the IDL name
    // is a Java reserved word or ends in Holder, Helper or Package; IDL
    // names never start with an underscore, so one is dropped.  Attribute
    // accessors (_get_x, _set_x) carry their IDL names.
    public static String wireName(String descriptorName) {
        if (descriptorName.startsWith("_get_") || descriptorName.startsWith("_set_")) return descriptorName;
        if (descriptorName.startsWith("_")) return descriptorName.substring(1);
        return descriptorName;
    }

    public java.lang.Object invoke(ObjectImpl self, OperationDescriptor op, long[] n, java.lang.Object[] o) {
        if (op == null || op.name == null)
            throw new org.omg.CORBA.BAD_PARAM("no operation descriptor", 0, CompletionStatus.COMPLETED_NO);
        return call(op, wireName(op.name), n, o);
    }

    private static final OperationDescriptor IS_A = new OperationDescriptor(
        "_is_a", new int[] {0x8, 0x12 | OperationDescriptor.IN}, new Class[] {null, null}, new String[0],
        new Class[0], false);
    private static final OperationDescriptor NON_EXISTENT = new OperationDescriptor(
        "_non_existent", new int[] {0x8}, new Class[] {null}, new String[0], new Class[0], false);

    public boolean is_a(ObjectImpl self, String id) {
        if (id.equals(original.typeId) || id.equals("IDL:omg.org/CORBA/Object:1.0")) return true;
        long[] n = new long[2];
        java.lang.Object[] o = new java.lang.Object[1];
        o[0] = id;
        call(IS_A, "_is_a", n, o);
        return n[0] != 0;
    }

    public boolean non_existent(ObjectImpl self) {
        long[] n = new long[1];
        try {
            call(NON_EXISTENT, "_non_existent", n, new java.lang.Object[1]);
        } catch (org.omg.CORBA.OBJECT_NOT_EXIST e) {
            return true;
        }
        return n[0] != 0;
    }

    public boolean is_equivalent(ObjectImpl self, org.omg.CORBA.Object other) {
        if (other == self) return true;
        if (!(other instanceof ObjectImpl)) return false;
        org.omg.CORBA.portable.Delegate d = ((ObjectImpl) other)._get_delegate();
        return d instanceof RemoteDelegate && ((RemoteDelegate) d).original.sameObject(original);
    }

    public int hash(ObjectImpl self, int maximum) {
        int h = original.hashCode() & 0x7FFFFFFF;
        return maximum <= 0 ? 0 : (int) (h % ((long) maximum + 1));
    }

    public org.omg.CORBA.ORB orb(ObjectImpl self) {
        return orb;
    }

    public String toString(ObjectImpl self) {
        return original.toString();
    }

    // The code sets for a connection, chosen as CORBA's negotiation does:
    // the client's native char set when the server takes it (natively or
    // by conversion), else the server's native set when the client
    // converts to it, else a conversion set both have, else ISO-8859-1;
    // UTF-16 for wchar data.  Null when the server announces none.
    private int[] chooseCodeSets(IOR.IIOPProfile p) {
        int[][] cs = p.codeSets();
        if (cs == null) return null;
        int mine = orb.settings.nativeCharCodeSet;
        int other = mine == IOR.UTF_8 ? IOR.ISO_8859_1 : IOR.UTF_8;
        int[] server = cs[0];
        int ch = IOR.ISO_8859_1;
        boolean takesMine = false, takesOther = false;
        for (int c : server) {
            if (c == mine) takesMine = true;
            if (c == other) takesOther = true;
        }
        if (takesMine) ch = mine;
        else if (server.length > 0 && server[0] == other) ch = other;
        else if (takesOther) ch = other;
        return new int[] {ch, IOR.UTF_16};
    }

    private ClientConnection connection(IOR.IIOPProfile p) {
        Last l = last;
        if (l != null && l.profile == p && !l.connection.isClosed()) return l.connection;
        ClientConnection c = orb.connection(p);
        last = new Last(p, c);
        return c;
    }

    private java.lang.Object call(OperationDescriptor op, String operation, long[] n, java.lang.Object[] o) {
        if (orb.isDestroyed())
            throw new org.omg.CORBA.BAD_INV_ORDER("the ORB was destroyed", SystemExceptions.BAD_INV_ORDER_SHUTDOWN, CompletionStatus.COMPLETED_NO);
        Arguments.Layout layout = Arguments.layout(op);
        boolean hasIn = false;
        for (Arguments.Entry e : layout.entries) if (e.mode == OperationDescriptor.IN || e.mode == OperationDescriptor.INOUT) hasIn = true;
        IOR to = target;
        boolean reissued = false;
        for (int hops = 0; ; hops++) {
            if (hops > MAX_FORWARDS)
                throw new TRANSIENT("too many location forwards", 0, CompletionStatus.COMPLETED_NO);
            IOR.IIOPProfile p = to.iiop();
            if (p == null)
                throw new org.omg.CORBA.INV_OBJREF("the reference has no IIOP profile", 0, CompletionStatus.COMPLETED_NO);
            int minor = Math.min(p.minor, orb.settings.giopMinor);
            boolean little = orb.settings.littleEndian;
            boolean local = orb.isLocal(p);
            ClientConnection conn = local ? null : connection(p);
            int[] cs;
            List<Codec.ServiceContext> ctxs = Codec.NONE;
            boolean carriesCodeSets = false;
            if (local) {
                cs = new int[] {orb.settings.nativeCharCodeSet, IOR.UTF_16};
            } else if (minor == 0) {
                // GIOP 1.0 negotiates nothing: ISO-8859-1, and the
                // connection's choice is left to a later 1.1 or 1.2 call
                cs = new int[] {IOR.ISO_8859_1, IOR.UTF_16};
            } else {
                if (conn.charSet == 0) {
                    int[] chosen = chooseCodeSets(p);
                    synchronized (conn) {
                        if (conn.charSet == 0) {
                            conn.charSet = chosen == null ? IOR.ISO_8859_1 : chosen[0];
                            conn.wcharSet = chosen == null ? IOR.UTF_16 : chosen[1];
                            if (chosen == null) conn.codeSetsSent = true;
                        }
                    }
                }
                cs = new int[] {conn.charSet, conn.wcharSet};
                if (!conn.codeSetsSent) {
                    ctxs = new ArrayList<>(1);
                    ctxs.add(Codec.codeSets(cs[0], cs[1]));
                    carriesCodeSets = true;
                }
            }
            int id = local ? orb.localRequestId() : conn.newRequestId();
            boolean response = !op.oneway;
            OutputStream out = Codec.request(orb, minor, little, id, response, p.key(), operation, ctxs);
            Cdr.codeSets(out, cs[0], cs[1]);
            if (hasIn) Codec.beginBody(out, minor);
            Arguments.writeRequest(out, op, n, o);
            Message request = Codec.finishInPlace(out, little);

            Message reply;
            try {
                if (local) {
                    reply = orb.server().callLocal(request.buf, request.length, cs);
                    if (!response) return null;
                    if (reply == null)
                        throw new org.omg.CORBA.INTERNAL("no reply to a collocated call", 0, CompletionStatus.COMPLETED_MAYBE);
                } else if (!response) {
                    conn.send(request.buf, request.length);
                    if (carriesCodeSets) conn.codeSetsSent = true;
                    return null;
                } else {
                    reply = conn.call(id, minor, request.buf, request.length, orb.settings.replyTimeout, carriesCodeSets);
                }
            } catch (ClientConnection.Reissue e) {
                // The server closed the connection without processing the
                // request: once more, on a new connection.
                if (reissued)
                    throw new TRANSIENT("the server closed the connection", 0, CompletionStatus.COMPLETED_NO);
                reissued = true;
                hops--;
                continue;
            }
            if (reply.type != Giop.REPLY)
                throw new MARSHAL("a locate reply to a request", 0, CompletionStatus.COMPLETED_MAYBE);

            Codec.ReplyIn r;
            try {
                r = Codec.readReply(orb, reply);
                OrbLog.reply(id, operation, r.status);
                Cdr.codeSets(r.body, cs[0], cs[1]);
                switch (r.status) {
                    case Giop.NO_EXCEPTION:
                        Arguments.readReply(r.body, op, n, o);
                        return null;
                    case Giop.USER_EXCEPTION:
                        return userException(op, reply, r);
                    case Giop.SYSTEM_EXCEPTION: {
                        String exId = r.body.read_string();
                        int minorCode = r.body.read_ulong();
                        int completed = r.body.read_ulong();
                        throw new ServerRaised(SystemExceptions.make(exId, minorCode, completed,
                                                                     OrbLog.serverReason(r.contexts)));
                    }
                    case Giop.LOCATION_FORWARD:
                    case Giop.LOCATION_FORWARD_PERM: {
                        IOR f = ObjectRefs.readIOR(r.body);
                        if (f.iiop() == null)
                            throw new org.omg.CORBA.INV_OBJREF("forwarded to a reference without IIOP profile", 0,
                                                               CompletionStatus.COMPLETED_NO);
                        to = f;
                        if (r.status == Giop.LOCATION_FORWARD_PERM) target = f;
                        continue;
                    }
                    case Giop.NEEDS_ADDRESSING_MODE:
                        throw new org.omg.CORBA.NO_IMPLEMENT("the server wants an addressing mode other than the key",
                                                             0, CompletionStatus.COMPLETED_NO);
                    default:
                        throw new MARSHAL("unknown reply status " + r.status, 0, CompletionStatus.COMPLETED_MAYBE);
                }
            } catch (ServerRaised e) {
                throw e.raised;
            } catch (SystemException e) {
                if (e.completed == CompletionStatus.COMPLETED_NO) e.completed = CompletionStatus.COMPLETED_MAYBE;
                throw e;
            } catch (RuntimeException | OutOfMemoryError | StackOverflowError e) {
                // a generated reader trusting a hostile length or nesting
                throw new MARSHAL("malformed reply: " + e, 0, CompletionStatus.COMPLETED_MAYBE);
            }
        }
    }

    // A system exception the server sent, carried past the handler that
    // turns failures to read the reply into MARSHAL.
    private static final class ServerRaised extends RuntimeException {
        final SystemException raised;

        ServerRaised(SystemException e) {
            super(null, null, false, false);
            raised = e;
        }
    }

    private static java.lang.Object userException(OperationDescriptor op, Message reply, Codec.ReplyIn r) {
        String exId = Codec.peekString(reply, r.bodyStart);
        String[] ids = op.exceptionIds == null ? new String[0] : op.exceptionIds;
        Class<?>[] classes = op.exceptionClasses == null ? new Class<?>[0] : op.exceptionClasses;
        for (int j = 0; j < ids.length && j < classes.length; j++) {
            if (exId.equals(ids[j]) && classes[j] != null) {
                Streamable h;
                try {
                    h = (Streamable) classes[j].getDeclaredConstructor().newInstance();
                } catch (ReflectiveOperationException | ClassCastException | LinkageError e) {
                    throw new org.omg.CORBA.INTERNAL("cannot make the holder of " + exId, 0,
                                                     CompletionStatus.COMPLETED_YES);
                }
                h.__read(r.body);
                return h;
            }
        }
        throw new org.omg.CORBA.UNKNOWN("undeclared user exception " + exId, 0, CompletionStatus.COMPLETED_YES);
    }
}

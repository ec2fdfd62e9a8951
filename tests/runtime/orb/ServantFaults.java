import java.util.ArrayList;
import java.util.List;
import java.util.logging.Handler;
import java.util.logging.Level;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;

// What the ORB says when something goes wrong: a servant's Java exception
// is logged on the server (WARNING under vemo.harl, with its stack trace)
// and described in the client's UNKNOWN, over IIOP and collocated; so are
// results the server cannot send; a system exception a servant raises keeps
// its own reason; over GIOP 1.0 nothing travels beside the exception. A
// failed narrow names both repository ids; an unknown initial reference
// names -ORBInitRef.
public class ServantFaults extends Cases {
    // The records of the ORB's log, kept off the console.
    static final List<LogRecord> records = new ArrayList<>();

    // A servant whose echo returns null, which a string result cannot carry.
    static final class NullEcho extends Echo {
        public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context c)
            throws java.lang.Exception {
            if (op == 0) {
                o[0] = null;
                return null;
            }
            return super._execute(intf, op, n, o, c);
        }
    }

    static SystemException raised(Runnable call) {
        try {
            call.run();
            return null;
        } catch (SystemException e) {
            return e;
        }
    }

    // The first record from index FROM on of the level holding the text.
    static LogRecord logged(int from, Level level, String text) {
        synchronized (records) {
            for (LogRecord r : records.subList(from, records.size()))
                if (r.getLevel() == level && r.getMessage() != null && r.getMessage().contains(text)) return r;
        }
        return null;
    }

    static int now() {
        synchronized (records) {
            return records.size();
        }
    }

    // Narrows as a generated Helper does: asks _is_a, throws a bare BAD_PARAM.
    static ObjectImpl narrow(ObjectImpl that, String id) {
        if (!that._is_a(id)) throw new org.omg.CORBA.BAD_PARAM();
        return that;
    }

    public static void main(String[] args) throws Exception {
        Logger log = Logger.getLogger("vemo.harl");
        log.setUseParentHandlers(false);
        log.setLevel(Level.ALL);
        log.addHandler(new Handler() {
            public void publish(LogRecord r) {
                synchronized (records) {
                    records.add(r);
                }
            }

            public void flush() { }

            public void close() { }
        });

        ORB server = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBPort", "0"}, null);
        Echo echo = new Echo();
        NullEcho nullEcho = new NullEcho();
        server.connect(echo);
        server.connect(nullEcho);
        ORB client = ORB.init(new String[] {"-ORBReplyTimeout", "60000"}, null);
        ORB old = ORB.init(new String[] {"-ORBGIOPMinor", "0", "-ORBReplyTimeout", "60000"}, null);
        String echoIor = server.object_to_string(echo);
        String nullIor = server.object_to_string(nullEcho);

        Object[][] paths = {
            {"over IIOP", client.string_to_object(echoIor), client.string_to_object(nullIor)},
            {"collocated", server.string_to_object(echoIor), server.string_to_object(nullIor)},
        };
        for (Object[] path : paths) {
            String how = (String) path[0];
            ObjectImpl ref = (ObjectImpl) path[1];
            ObjectImpl nullRef = (ObjectImpl) path[2];
            int from = now();

            SystemException e = raised(() -> Echo.fail(ref, 2));
            check(e instanceof org.omg.CORBA.UNKNOWN && e.getMessage().startsWith("raised by the server: ")
                  && e.getMessage().contains("Echo.fail threw java.lang.IllegalStateException: servant bug"),
                  how + ": the client's UNKNOWN says what the servant threw: " + e);
            LogRecord r = logged(from, Level.WARNING, "Echo.fail threw java.lang.IllegalStateException: servant bug");
            check(r != null && r.getThrown() instanceof IllegalStateException
                  && r.getThrown().getStackTrace().length > 0,
                  how + ": the server logs the servant's exception with its stack trace");

            e = raised(() -> Echo.echo(nullRef, "x"));
            check(e != null && e.completed == org.omg.CORBA.CompletionStatus.COMPLETED_YES
                  && e.getMessage().contains("the results of ServantFaults$NullEcho.echo could not be sent"),
                  how + ": a result the server cannot send is described: " + e);
            check(logged(from, Level.WARNING, "ServantFaults$NullEcho.echo could not be sent") != null,
                  how + ": and logged");

            e = raised(() -> Echo.fail(ref, 1));
            check(e instanceof org.omg.CORBA.NO_PERMISSION && e.getMessage().equals("raised by the server: refused")
                  && e.minor == 7, how + ": a system exception of the servant keeps its reason: " + e);
            check(logged(from, Level.WARNING, "NO_PERMISSION") == null, how + ": which is no warning");
            check(Echo.add(ref, 2, 3) == 5, how + ": calls go on");
        }

        // Requests and connections at the finer levels.
        check(logged(0, Level.FINER, "request ") != null && logged(0, Level.FINER, "reply ") != null,
              "requests and replies are traced");
        check(logged(0, Level.FINE, "connected to ") != null && logged(0, Level.FINE, "accepted a connection") != null,
              "connections are logged");

        // GIOP 1.0: the bare standard reply.
        SystemException e = raised(() -> Echo.fail((ObjectImpl) old.string_to_object(echoIor), 2));
        check(e instanceof org.omg.CORBA.UNKNOWN && e.getMessage().equals("raised by the server"),
              "GIOP 1.0: no detail beside the exception: " + e);

        // A narrow to the wrong interface names both ids; a BAD_PARAM made
        // elsewhere after a failed _is_a does not take them.
        ObjectImpl ref = (ObjectImpl) client.string_to_object(echoIor);
        e = raised(() -> narrow(ref, "IDL:test/Other:1.0"));
        check(e instanceof org.omg.CORBA.BAD_PARAM && e.getMessage().contains("IDL:test/Other:1.0")
              && e.getMessage().contains("IDL:test/Echo:1.0"), "a failed narrow names both ids: " + e);
        check(narrow(ref, "IDL:test/Echo:1.0") == ref, "a narrow to the object's own interface");
        check(!ref._is_a("IDL:test/Other:1.0") && new org.omg.CORBA.BAD_PARAM().getMessage().isEmpty(),
              "a BAD_PARAM outside narrow takes no note");

        // An initial reference nobody gave.
        try {
            client.resolve_initial_references("NameService");
            check(false, "an unknown initial reference resolves");
        } catch (org.omg.CORBA.ORBPackage.InvalidName x) {
            check(x.getMessage().startsWith("NameService") && x.getMessage().contains("-ORBInitRef NameService="),
                  "InvalidName names -ORBInitRef: " + x.getMessage());
        }

        old.destroy();
        client.destroy();
        server.destroy();
        System.out.println(failures == 0 ? "ok" : failures + " failures");
        System.exit(failures == 0 ? 0 : 1);
    }
}

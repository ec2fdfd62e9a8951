package vemo.harl.tls;

// Who called: a servant asks during a call for the subject of the
// certificate its client presented over TLS, verified against the server's
// trust store.
//
//     String who = vemo.harl.tls.Caller.subject();   // "CN=alice,O=Example" or null
//
// The subject is the certificate's distinguished name as RFC 2253 writes
// it.  It is null outside a call, for a call that came in clear text or
// from this ORB itself, and for a TLS client that presented no certificate
// (tls.clientAuth want or none).
public final class Caller {
    private Caller() { }

    private static final ThreadLocal<Caller.Call> current = new ThreadLocal<>();

    // What the server knows of one incoming call's connection.
    public static final class Call {
        final boolean secure;
        final String subject;

        public Call(boolean secure, String subject) {
            this.secure = secure;
            this.subject = subject;
        }
    }

    // The verified client certificate's subject, or null.
    public static String subject() {
        Call c = current.get();
        return c == null ? null : c.subject;
    }

    // Whether the call this thread answers came over TLS.
    public static boolean secure() {
        Call c = current.get();
        return c != null && c.secure;
    }

    // The server marks the thread answering a call (null: a call of this
    // ORB's own) and restores what was there when the call is done, so a
    // collocated call made by a servant sees no caller of the outer call.
    public static Call enter(Call c) {
        Call before = current.get();
        current.set(c);
        return before;
    }

    public static void leave(Call before) {
        if (before == null) current.remove();
        else current.set(before);
    }
}

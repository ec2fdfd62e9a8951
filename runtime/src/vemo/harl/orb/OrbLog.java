package vemo.harl.orb;

import java.lang.System.Logger.Level;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.SystemException;

import vemo.harl.cdr.SystemExceptions;

/**
 * The ORB's log, the JDK's {@link System.Logger} named {@code vemo.harl}:
 * a servant's failure at WARNING with its stack trace; connections at DEBUG;
 * requests and replies at TRACE. Without a logging configuration of one's
 * own, WARNING goes to standard error and DEBUG and TRACE nowhere; through
 * java.util.logging, a file given as
 * {@code -Djava.util.logging.config.file=FILE} with the lines
 * {@code vemo.harl.level = FINEST} and
 * {@code java.util.logging.ConsoleHandler.level = FINEST} shows all.
 */
final class OrbLog {
    static final System.Logger LOG = System.getLogger("vemo.harl");

    /** The longest description a system exception carries to the client. */
    static final int MAX_DETAIL = 2000;

    private OrbLog() { }

    /**
     * A servant's operation ended in an exception that is not a system
     * exception: logged with its stack trace, and described in the UNKNOWN
     * that the client gets.
     */
    static SystemException servantFailed(Object servant, String op, Throwable e) {
        String text = servantName(servant) + "." + op + " threw " + e;
        LOG.log(Level.WARNING, text, e);
        return new org.omg.CORBA.UNKNOWN(clip(text), 0, CompletionStatus.COMPLETED_MAYBE);
    }

    /**
     * The results of a servant's operation could not be written into the
     * reply (a null where IDL allows none, a string out of range, ...).
     * Returns the exception for the client: a system exception as raised,
     * with what happened put first in its message, else UNKNOWN.
     */
    static SystemException replyFailed(Object servant, String op, Throwable e) {
        String text = "the results of " + servantName(servant) + "." + op + " could not be sent: " + e;
        LOG.log(Level.WARNING, text, e);
        if (e instanceof SystemException) {
            SystemException s = (SystemException) e;
            SystemException told = SystemExceptions.create(
                SystemExceptions.id(s), clip(text), s.minor, CompletionStatus.COMPLETED_YES);
            return told;
        }
        return new org.omg.CORBA.UNKNOWN(clip(text), 0, CompletionStatus.COMPLETED_YES);
    }

    /** A system exception a servant raised on purpose: a DEBUG line, no stack trace. */
    static void servantRaised(Object servant, String op, SystemException e) {
        if (LOG.isLoggable(Level.DEBUG)) LOG.log(Level.DEBUG, servantName(servant) + "." + op + " raised " + e);
    }

    /** A connection opened or accepted: TEXT and the peer's address. */
    static void connection(String text, Object peer) {
        if (LOG.isLoggable(Level.DEBUG)) LOG.log(Level.DEBUG, text + peer);
    }

    /** A request the object adapter dispatches. */
    static void request(int id, String op, Object servant) {
        if (LOG.isLoggable(Level.TRACE))
            LOG.log(Level.TRACE, "request " + id + ": " + op + " on " + servantName(servant));
    }

    /** A reply the client received: its request, operation and status. */
    static void reply(int id, String op, int status) {
        if (LOG.isLoggable(Level.TRACE)) LOG.log(Level.TRACE, "reply " + id + " to " + op + ": status " + status);
    }

    /**
     * The reason of an exception from a reply with these service contexts:
     * what the server says happened, when it says.
     */
    static String serverReason(java.util.List<vemo.harl.giop.Codec.ServiceContext> contexts) {
        String detail = vemo.harl.giop.Codec.exceptionDetailOf(contexts);
        if (detail == null || detail.isEmpty()) return "raised by the server";
        StringBuilder b = new StringBuilder("raised by the server: ");
        // Text from the network: no control characters into the caller's logs.
        detail.codePoints().limit(MAX_DETAIL)
              .forEach(c -> b.appendCodePoint(Character.isISOControl(c) ? ' ' : c));
        return b.toString();
    }

    private static String servantName(Object servant) {
        return servant == null ? "the servant" : servant.getClass().getName();
    }

    static String clip(String text) {
        return text.length() <= MAX_DETAIL ? text : text.substring(0, MAX_DETAIL) + "...";
    }
}

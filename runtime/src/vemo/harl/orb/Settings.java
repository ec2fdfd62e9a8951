package vemo.harl.orb;

import java.util.Locale;
import java.util.Map;
import java.util.Properties;
import java.util.TreeMap;

import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;

// The settings of a full ORB, from the Properties given to ORB.init and
// from -ORB<Name> <value> arguments (arguments win):
//
//   vemo.harl.host            -ORBHost            host named in this ORB's references
//                                                 (and the address its server binds to)
//   vemo.harl.port            -ORBPort            port the server listens on, 0 = any free one
//   vemo.harl.connectTimeout  -ORBConnectTimeout  ms to open a connection (default 10000)
//   vemo.harl.replyTimeout    -ORBReplyTimeout    ms to wait for a reply, 0 = forever (default 120000)
//   vemo.harl.giopMinor       -ORBGIOPMinor       highest GIOP 1.x minor version used (0, 1, 2; default 2)
//   vemo.harl.littleEndian    -ORBLittleEndian    send little-endian messages (default false)
//   vemo.harl.threads         -ORBThreads         server threads dispatching requests (default 16)
//   vemo.harl.maxMessage      -ORBMaxMessage      largest message accepted, octets (default 64 MiB)
//   vemo.harl.nativeCharCodeSet -ORBNativeCharCodeSet  ISO-8859-1 (default) or UTF-8: the char code
//                                                 set this ORB prefers; UTF-8 carries any string
//                                                 but an IDL char only as ASCII
//   vemo.harl.maxPending      -ORBMaxPending      octets a server has read and not yet answered, all
//                                                 connections together; beyond, it stops reading
//                                                 (default 128 MiB)
//   vemo.harl.maxThreads      -ORBMaxThreads      server threads in all, reading and dispatching (default 256)
//   vemo.harl.maxConnections  -ORBMaxConnections  connections a server keeps open (default 200)
//   vemo.harl.idleTimeout     -ORBIdleTimeout     ms a server connection with no call in progress stays
//                                                 open before CloseConnection, 0 = for ever (default 180000)
//   vemo.harl.InitRef.<Name>  -ORBInitRef <Name>=<url>   an initial reference (IOR:, corbaloc:)
//   org.omg.CORBA.ORBInitialHost / ORBInitialPort, -ORBInitialHost / -ORBInitialPort
//                                                 the naming service's host and port: NameService is
//                                                 corbaloc:iiop:host:port/NameService unless an
//                                                 InitRef names it (defaults localhost, 2809)
//   vemo.harl.tls.*           -ORBTls...          IIOP over TLS: see vemo.harl.tls.Tls
//
// An unknown vemo.harl.* property is reported as a warning; other -ORB
// arguments and properties may belong to other ORBs and pass silently.
public final class Settings {
    public String host;
    public int port;
    public int connectTimeout = 10000;
    public int replyTimeout = 120000;
    public int giopMinor = 2;
    public boolean littleEndian;
    public int threads = 16;
    public int maxMessage = vemo.harl.giop.Giop.DEFAULT_MAX_MESSAGE;
    public int nativeCharCodeSet = vemo.harl.ior.IOR.ISO_8859_1;
    public long maxPending = 128L << 20;
    public int maxThreads = 256;
    public int maxConnections = 200;
    public int idleTimeout = 180000;
    String initialHost;
    int initialPort;
    public final Map<String, String> initRefs = new TreeMap<>();

    private static BAD_PARAM bad(String why) {
        return new BAD_PARAM(why, 0, CompletionStatus.COMPLETED_NO);
    }

    private static int number(String name, String v, int min, int max) {
        try {
            long x = Long.parseLong(v.trim());
            if (x < min || x > max) throw bad(name + " out of range: " + v);
            return (int) x;
        } catch (NumberFormatException e) {
            throw bad(name + " is not a number: " + v);
        }
    }

    private static boolean flag(String name, String v) {
        String t = v.trim().toLowerCase(Locale.ROOT);
        if (t.equals("true") || t.equals("1") || t.equals("yes")) return true;
        if (t.equals("false") || t.equals("0") || t.equals("no")) return false;
        throw bad(name + " is not true or false: " + v);
    }

    private static long octets(String name, String v, long min, long max) {
        try {
            long x = Long.parseLong(v.trim());
            if (x < min || x > max) throw bad(name + " out of range: " + v);
            return x;
        } catch (NumberFormatException e) {
            throw bad(name + " is not a number: " + v);
        }
    }

    // Sets one setting by its name without prefix; false when the name is
    // not one of this ORB's.
    private boolean set(String name, String value) {
        switch (name.toLowerCase(Locale.ROOT)) {
            case "host": host = value.trim().isEmpty() ? null : value.trim(); break;
            case "port": port = number(name, value, 0, 65535); break;
            case "connecttimeout": connectTimeout = number(name, value, 0, Integer.MAX_VALUE); break;
            case "replytimeout": replyTimeout = number(name, value, 0, Integer.MAX_VALUE); break;
            case "giopminor": giopMinor = number(name, value, 0, 2); break;
            case "littleendian": littleEndian = flag(name, value); break;
            case "threads": threads = number(name, value, 1, 10000); break;
            case "maxmessage": maxMessage = number(name, value, 1024, Integer.MAX_VALUE); break;
            case "maxpending": maxPending = octets(name, value, 1024, Long.MAX_VALUE); break;
            case "maxthreads": maxThreads = number(name, value, 2, 100000); break;
            case "maxconnections": maxConnections = number(name, value, 1, 1000000); break;
            case "idletimeout": idleTimeout = number(name, value, 0, Integer.MAX_VALUE); break;
            case "initialhost": initialHost = value.trim().isEmpty() ? null : value.trim(); break;
            case "initialport": initialPort = number(name, value, 1, 65535); break;
            case "nativecharcodeset": {
                String v = value.trim().toUpperCase(Locale.ROOT).replace("_", "-");
                if (v.equals("UTF-8") || v.equals("UTF8")) nativeCharCodeSet = vemo.harl.ior.IOR.UTF_8;
                else if (v.equals("ISO-8859-1") || v.equals("LATIN-1") || v.equals("LATIN1"))
                    nativeCharCodeSet = vemo.harl.ior.IOR.ISO_8859_1;
                else throw bad(name + " must be ISO-8859-1 or UTF-8: " + value);
                break;
            }
            default: return false;
        }
        return true;
    }

    public static Settings of(String[] args, Properties props) {
        Settings s = new Settings();
        if (props != null) {
            for (String key : props.stringPropertyNames()) {
                String value = props.getProperty(key);
                if (key.startsWith("vemo.harl.InitRef.")) {
                    s.initRefs.put(key.substring("vemo.harl.InitRef.".length()), value.trim());
                } else if (key.startsWith("vemo.harl.tls.")) {
                    // IIOP over TLS: read (and checked) by vemo.harl.tls.Tls
                } else if (key.startsWith("vemo.harl.")) {
                    if (!s.set(key.substring("vemo.harl.".length()), value))
                        System.getLogger("vemo.harl").log(System.Logger.Level.WARNING,
                                                          "unknown setting " + key + " ignored");
                } else if (key.equals("org.omg.CORBA.ORBInitialHost")) {
                    s.set("initialhost", value);
                } else if (key.equals("org.omg.CORBA.ORBInitialPort")) {
                    s.set("initialport", value);
                }
            }
        }
        if (args != null) {
            for (int i = 0; i < args.length; i++) {
                String a = args[i];
                if (a == null || !a.startsWith("-ORB") || a.length() <= 4) continue;
                String name = a.substring(4);
                if (i + 1 >= args.length) throw bad(a + " without a value");
                String value = args[++i];
                if (name.equalsIgnoreCase("InitRef")) {
                    int eq = value.indexOf('=');
                    if (eq <= 0) throw bad("-ORBInitRef wants Name=URL, not " + value);
                    s.initRefs.put(value.substring(0, eq), value.substring(eq + 1).trim());
                } else {
                    s.set(name, value); // settings of other ORBs are not ours to refuse
                }
            }
        }
        if ((s.initialHost != null || s.initialPort != 0) && !s.initRefs.containsKey("NameService")) {
            String h = s.initialHost == null ? "localhost" : s.initialHost;
            if (h.indexOf(':') >= 0 && !h.startsWith("[")) h = "[" + h + "]";
            s.initRefs.put("NameService", "corbaloc:iiop:" + h + ":" + (s.initialPort == 0 ? 2809 : s.initialPort)
                                          + "/NameService");
        }
        return s;
    }
}

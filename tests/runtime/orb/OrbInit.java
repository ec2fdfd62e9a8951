import java.net.InetSocketAddress;
import java.net.ServerSocket;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import java.util.logging.Handler;
import java.util.logging.Level;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.omg.CORBA.ORB;

import vemo.harl.ior.IOR;
import vemo.harl.orb.FullORB;

// The settings a Java developer already knows, one case per row: the
// naming service's initial host and port as properties and arguments (an
// explicit initial reference wins), the ORB classes named by ORBClass and
// ORBSingletonClass, a warning for an unknown vemo.harl setting, and a busy
// port refused by ORB.init itself.
public class OrbInit extends Cases {
    public static final class MyORB extends FullORB {
        public MyORB(String[] args, Properties props) {
            super(args, props);
        }
    }

    public static final class MySingleton extends ORB {
        public MySingleton() {
        }
    }

    static Properties props(String... kv) {
        Properties p = new Properties();
        for (int i = 0; i + 1 < kv.length; i += 2) p.setProperty(kv[i], kv[i + 1]);
        return p;
    }

    // Where an ORB's NameService points: "host:port/key", or null.
    static String nameService(ORB orb) throws Exception {
        try {
            org.omg.CORBA.Object o = orb.resolve_initial_references("NameService");
            IOR.IIOPProfile p = IOR.parse(orb.object_to_string(o)).iiop();
            return p.host + ":" + p.port + "/" + new String(p.key(), "UTF-8");
        } catch (org.omg.CORBA.ORBPackage.InvalidName e) {
            return null;
        }
    }

    public static void main(String[] args) throws Exception {
        System.setProperty("org.omg.CORBA.ORBSingletonClass", "OrbInit$MySingleton");
        check(ORB.init() instanceof MySingleton, "ORBSingletonClass names the factory's class");
        // Anys keep their values through the runtime's own factory whatever
        // class ORBSingletonClass names; that class's streams are its own.
        org.omg.CORBA.Any any = ORB.init().create_any();
        any.insert_string("kept");
        org.omg.CORBA.Any same = ORB.init().create_any();
        same.read_value(any.create_input_stream(), any.type());
        check("kept".equals(any.extract_string()) && any.equal(same), "an any under a foreign factory");
        try {
            ORB.init().create_output_stream();
            check(false, "a factory of another class has no streams of the runtime");
        } catch (org.omg.CORBA.NO_IMPLEMENT expected) {
            // expected
        }
        Object[][] classes = {
            // the ORBClass property, the class ORB.init makes
            {null, FullORB.class}, {"", FullORB.class}, {" vemo.harl.orb.FullORB ", FullORB.class},
            {"OrbInit$MyORB", MyORB.class},
        };
        for (Object[] row : classes) {
            ORB made = ORB.init(new String[0], row[0] == null ? null : props("org.omg.CORBA.ORBClass", (String) row[0]));
            check(made.getClass() == row[1], "ORBClass " + row[0] + " makes a " + made.getClass().getName());
            made.destroy();
        }
        ORB bare = ORB.init((String[]) null, null);
        check(bare instanceof FullORB, "ORB.init(null, null) makes a full ORB");
        bare.destroy();

        Object[][] naming = {
            // arguments, properties, where NameService points
            {new String[0], props("org.omg.CORBA.ORBInitialHost", "names.example", "org.omg.CORBA.ORBInitialPort", "1050"),
             "names.example:1050/NameService"},
            {new String[] {"-ORBInitialPort", "1051"}, null, "localhost:1051/NameService"},
            {new String[] {"-ORBInitialHost", "10.1.2.3"}, null, "10.1.2.3:2809/NameService"},
            {new String[] {"-ORBInitialPort", "1052", "-ORBInitRef", "NameService=corbaloc::other.example:7/Names"}, null,
             "other.example:7/Names"},
            {new String[0], null, null},
        };
        for (Object[] row : naming) {
            ORB orb = ORB.init((String[]) row[0], (Properties) row[1]);
            String got = nameService(orb);
            check(row[2] == null ? got == null : row[2].equals(got),
                  "NameService for " + String.join(" ", (String[]) row[0]) + " " + row[1] + ": " + got);
            orb.destroy();
        }

        ORB mine = ORB.init(new String[0], props("org.omg.CORBA.ORBClass", "OrbInit$MyORB"));
        check(mine instanceof MyORB, "ORBClass names the class ORB.init makes");
        try {
            ORB.init(new String[0], props("org.omg.CORBA.ORBClass", "no.such.Orb"));
            check(false, "an ORBClass that does not exist raises INITIALIZE");
        } catch (org.omg.CORBA.INITIALIZE expected) {
            // expected
        }

        List<LogRecord> records = new ArrayList<>();
        Logger log = Logger.getLogger("vemo.harl");
        Handler h = new Handler() {
            public void publish(LogRecord r) {
                synchronized (records) {
                    records.add(r);
                }
            }

            public void flush() {
            }

            public void close() {
            }
        };
        log.addHandler(h);
        ORB.init(new String[0], props("vemo.harl.frobnicate", "1", "vemo.harl.replyTimeout", "5000")).destroy();
        log.removeHandler(h);
        boolean warned = false;
        for (LogRecord r : records) {
            if (r.getLevel() == Level.WARNING && r.getMessage().contains("vemo.harl.frobnicate")) warned = true;
            if (r.getMessage().contains("replyTimeout")) check(false, "a known setting is not warned about");
        }
        check(warned, "an unknown vemo.harl setting is a warning");

        try (ServerSocket busy = new ServerSocket()) {
            busy.bind(new InetSocketAddress("127.0.0.1", 0));
            try {
                ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBPort", Integer.toString(busy.getLocalPort())}, null);
                check(false, "a busy port is an error of ORB.init");
            } catch (org.omg.CORBA.INITIALIZE expected) {
                // expected
            }
        }
        ORB free = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBPort", "0"}, null);
        free.destroy();

        if (failures > 0) System.exit(1);
        System.out.println("ORB.init settings pass");
    }
}

import java.util.Properties;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.portable.ObjectImpl;

// 32 client threads make 1,000 calls each on one server over loopback
// IIOP, all of them multiplexed on the client ORB's one connection; every
// result is checked against what the thread sent, so a reply handed to the
// wrong caller or lost shows.  Run for GIOP 1.2 and for 1.0 little-endian.
public class Concurrency {
    static final int THREADS = 32;
    static final int CALLS = 1000;

    public static void main(String[] args) throws Exception {
        Properties sp = new Properties();
        sp.setProperty("vemo.harl.host", "127.0.0.1");
        sp.setProperty("vemo.harl.threads", "8");
        ORB server = ORB.init(new String[0], sp);
        Echo servant = new Echo();
        server.connect(servant);
        String ior = server.object_to_string(servant);
        if (!vemo.harl.ior.IOR.parse(ior).iiop().host.equals("127.0.0.1")) {
            System.out.println("FAILED: the reference does not name 127.0.0.1");
            System.exit(1);
        }
        int failures = 0;
        for (String[] clientArgs : new String[][] {
                 {"-ORBHost", "127.0.0.1", "-ORBReplyTimeout", "60000", "-ORBNativeCharCodeSet", "UTF-8"},
                 {"-ORBHost", "127.0.0.1", "-ORBGIOPMinor", "0", "-ORBLittleEndian", "true"}}) {
            ORB client = ORB.init(clientArgs, null);
            ObjectImpl ref = (ObjectImpl) client.string_to_object(ior);
            // UTF-8 negotiated carries any text; GIOP 1.0 has ISO-8859-1
            String extra = clientArgs[clientArgs.length - 1].equals("UTF-8") ? "\u00e9\u20ac" : "\u00e9";
            AtomicInteger bad = new AtomicInteger();
            AtomicInteger done = new AtomicInteger();
            Thread[] threads = new Thread[THREADS];
            for (int t = 0; t < THREADS; t++) {
                final int me = t;
                threads[t] = new Thread(() -> {
                    for (int i = 0; i < CALLS; i++) {
                        try {
                            if (i % 2 == 0) {
                                long a = ((long) me << 40) + i;
                                if (Echo.add(ref, a, i * 7) != a + i * 7) bad.incrementAndGet();
                            } else {
                                String s = "t" + me + "-" + i + (i % 3 == 0 ? extra : "");
                                if (!s.equals(Echo.echo(ref, s))) bad.incrementAndGet();
                            }
                            done.incrementAndGet();
                        } catch (RuntimeException e) {
                            bad.incrementAndGet();
                            System.out.println("call failed: " + e);
                        }
                    }
                });
                threads[t].start();
            }
            for (Thread t : threads) t.join();
            if (bad.get() != 0 || done.get() != THREADS * CALLS) {
                System.out.println("FAILED (" + String.join(" ", clientArgs) + "): " + bad.get() + " wrong, "
                                   + done.get() + " of " + THREADS * CALLS + " done");
                failures++;
            }
            client.destroy();
        }
        server.destroy();
        if (failures > 0) System.exit(1);
        System.out.println(2 * THREADS * CALLS + " concurrent calls checked");
    }
}

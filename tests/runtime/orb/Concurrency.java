import java.util.Properties;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.Skeleton;

// 32 client threads make 1,000 calls each on one server over loopback
// IIOP, all of them multiplexed on the client ORB's one connection; every
// result is checked against what the thread sent, so a reply handed to the
// wrong caller or lost shows.  Run for GIOP 1.2 and for 1.0 little-endian.
// Then a call that waits in its servant for a later call on the same
// connection: the server must read that call while the first is still
// being answered.
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
        if (!gate(server)) failures++;
        server.destroy();
        if (failures > 0) System.exit(1);
        System.out.println(2 * THREADS * CALLS + " concurrent calls checked");
    }

    // A servant whose "pass" waits until "open" is called (at most a
    // minute, then it answers false).
    static final class Gate extends ObjectImpl implements Skeleton {
        static final OperationDescriptor PASS = new OperationDescriptor(
            "pass", new int[] {0x8}, new Class[] {null}, new String[0], new Class[0], false);
        static final OperationDescriptor OPEN = new OperationDescriptor(
            "open", new int[0], new Class[0], new String[0], new Class[0], false);
        final CountDownLatch opened = new CountDownLatch(1);

        Gate() {
            super(null);
        }

        public String[] _get_ids() {
            return new String[] {"IDL:test/Gate:1.0"};
        }

        public OperationDescriptor[][] _get_dispatch_table() {
            return new OperationDescriptor[][] {{PASS, OPEN}};
        }

        public java.lang.Object _execute(int intf, int op, long[] n, java.lang.Object[] o, org.omg.CORBA.Context ctx)
            throws java.lang.Exception {
            if (op == 0) n[0] = opened.await(60, TimeUnit.SECONDS) ? 1 : 0;
            else opened.countDown();
            return null;
        }
    }

    // One client thread waits at the gate, another opens it, both on the
    // client's one connection; and the same with a run of short calls
    // between, which must be answered while the gate is shut.
    static boolean gate(ORB server) throws Exception {
        boolean ok = true;
        for (int shortCalls : new int[] {0, 200}) {
            Gate gate = new Gate();
            server.connect(gate);
            Echo echoServant = new Echo();
            server.connect(echoServant);
            ORB client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBReplyTimeout", "120000"}, null);
            ObjectImpl ref = (ObjectImpl) client.string_to_object(server.object_to_string(gate));
            ObjectImpl echo = (ObjectImpl) client.string_to_object(server.object_to_string(echoServant));
            long[] passed = new long[1];
            Thread waiter = new Thread(() -> ref._invoke(Gate.PASS, passed, new java.lang.Object[1]));
            waiter.start();
            // calls behind the waiting one, then the one it waits for
            for (int i = 0; i < shortCalls; i++) Echo.add(echo, i, 1);
            ref._invoke(Gate.OPEN, new long[0], new java.lang.Object[0]);
            waiter.join();
            if (passed[0] != 1) {
                System.out.println("FAILED: a call waiting for a later call on its connection was not let through"
                                   + " (" + shortCalls + " short calls between)");
                ok = false;
            }
            client.destroy();
        }
        return ok;
    }
}

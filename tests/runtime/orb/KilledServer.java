import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.util.Properties;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;
import org.omg.CORBA.portable.ObjectImpl;

// Faults of the peer, each of which must reach the caller as a system
// exception within its timeout and never as a hang:
//  - a server process killed while the servant sleeps in a call;
//  - a server that takes longer than the client's reply timeout;
//  - nothing listening on the port.
// Started with "serve", it is the server process: it prints its reference
// and serves until killed.
public class KilledServer extends Cases {
    public static void main(String[] args) throws Exception {
        if (args.length > 0 && args[0].equals("serve")) {
            Properties p = new Properties();
            p.setProperty("vemo.harl.host", "127.0.0.1");
            ORB orb = ORB.init(new String[0], p);
            Echo e = new Echo();
            orb.connect(e);
            System.out.println(orb.object_to_string(e));
            System.out.flush();
            orb.run();
            return;
        }
        String java = System.getenv().getOrDefault("QUORVEX_TEST_JAVA", "java");
        String cp = System.getenv().getOrDefault("QUORVEX_TEST_CLASSPATH", System.getProperty("java.class.path"));
        Process child = new ProcessBuilder(java, "-cp", cp, "KilledServer", "serve")
            .redirectError(ProcessBuilder.Redirect.INHERIT).start();
        BufferedReader r = new BufferedReader(new InputStreamReader(child.getInputStream()));
        String ior = r.readLine();
        check(ior != null && ior.startsWith("IOR:"), "the server printed its reference");
        if (ior == null) System.exit(1);

        ORB client = ORB.init(new String[] {"-ORBReplyTimeout", "20000", "-ORBConnectTimeout", "3000"}, null);
        ObjectImpl ref = (ObjectImpl) client.string_to_object(ior);
        check(Echo.add(ref, 40, 2) == 42, "a call before the kill");

        // Killed mid-call.
        long start = System.nanoTime();
        Thread killer = new Thread(() -> {
            try {
                Thread.sleep(500);
            } catch (InterruptedException e) {
                return;
            }
            child.destroyForcibly();
        });
        killer.start();
        try {
            Echo.sleep(ref, 60000);
            check(false, "a call to a killed server raises a system exception");
        } catch (SystemException e) {
            long ms = (System.nanoTime() - start) / 1000000;
            check(e instanceof org.omg.CORBA.COMM_FAILURE, "killed server gives COMM_FAILURE, not " + e);
            check(ms < 15000, "the failure arrives within the timeout (" + ms + " ms)");
        }
        killer.join();
        child.waitFor();

        // Nothing listens there any more: TRANSIENT on the next call.
        try {
            Echo.add(ref, 1, 1);
            check(false, "a call to a port nobody listens on fails");
        } catch (org.omg.CORBA.TRANSIENT | org.omg.CORBA.COMM_FAILURE e) {
            // expected
        }
        client.destroy();

        // A server slower than the reply timeout: TIMEOUT, and the
        // connection still serves the next call.
        Properties sp = new Properties();
        sp.setProperty("vemo.harl.host", "127.0.0.1");
        ORB server = ORB.init(new String[0], sp);
        Echo e = new Echo();
        server.connect(e);
        ORB impatient = ORB.init(new String[] {"-ORBReplyTimeout", "300"}, null);
        ObjectImpl slow = (ObjectImpl) impatient.string_to_object(server.object_to_string(e));
        start = System.nanoTime();
        try {
            Echo.sleep(slow, 2000);
            check(false, "a slow reply raises TIMEOUT");
        } catch (org.omg.CORBA.TIMEOUT t) {
            long ms = (System.nanoTime() - start) / 1000000;
            check(ms < 3000, "TIMEOUT within about the reply timeout (" + ms + " ms)");
        }
        check(Echo.add(slow, 2, 3) == 5, "the connection serves the next call after a timeout");
        impatient.destroy();
        server.destroy();

        // A client that sends requests and never reads the replies: the
        // server's writes to it are given up after the server's reply
        // timeout, and other clients are served meanwhile and after.
        Properties wp = new Properties();
        wp.setProperty("vemo.harl.host", "127.0.0.1");
        wp.setProperty("vemo.harl.threads", "4");
        wp.setProperty("vemo.harl.replyTimeout", "2000");
        ORB busy = ORB.init(new String[0], wp);
        Echo be = new Echo();
        busy.connect(be);
        String busyIor = busy.object_to_string(be);
        vemo.harl.ior.IOR.IIOPProfile bp = vemo.harl.ior.IOR.parse(busyIor).iiop();
        java.net.Socket mute = new java.net.Socket("127.0.0.1", bp.port);
        mute.setReceiveBufferSize(4096);
        byte[] big = new byte[1 << 20];
        for (int i = 0; i < 12; i++) {
            org.omg.CORBA.portable.OutputStream out = vemo.harl.giop.Codec.request(
                busy, 2, false, i + 1, true, bp.key(), "blob", vemo.harl.giop.Codec.NONE);
            vemo.harl.giop.Codec.beginBody(out, 2);
            new Echo.OctetsHolder(big).__write(out);
            try {
                mute.getOutputStream().write(vemo.harl.giop.Codec.finish(out, false));
            } catch (java.io.IOException closed) {
                break; // the server gave up on this client already
            }
        }
        ORB other = ORB.init(new String[] {"-ORBReplyTimeout", "20000"}, null);
        ObjectImpl fine = (ObjectImpl) other.string_to_object(busyIor);
        start = System.nanoTime();
        check(Echo.add(fine, 20, 1) == 21, "another client is served while one does not read");
        long ms = (System.nanoTime() - start) / 1000000;
        check(ms < 15000, "served within the server's write limit (" + ms + " ms)");
        mute.close();
        other.destroy();
        busy.destroy();

        if (failures > 0) System.exit(1);
        System.out.println("peer faults raise system exceptions in time");
    }
}

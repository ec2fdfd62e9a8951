package tlstest;

import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import java.util.concurrent.atomic.AtomicInteger;

import org.omg.CORBA.ORB;
import org.omg.CORBA.SystemException;

import Guarded.Door;
import Guarded._DoorStub;
import Guarded._DoorImplBase;

// The Java side of the TLS interoperability tests and of the benchmark's
// TLS row, on quorvex's Java of tls.idl:
//
//   TlsPeer server IORFILE [key=value ...] [-ORB... options]
//   TlsPeer client IOR ACTION... [key=value ...] [-ORB... options]
//   TlsPeer bench IOR SECONDS [key=value ...] [-ORB... options]
//
// key=value pairs are ORB properties (vemo.harl.tls.keyStore=..., ...).
// The server writes its reference to IORFILE and runs until shutdown().
// The client runs each ACTION (caller, calls, shutdown) and prints one line
// each, as the omniORB peer does: "caller tls CN=...", "calls 3",
// "shutdown ok", or the action and the system exception's name.
public final class TlsPeer {
    static ORB orb;

    static final class DoorServant extends _DoorImplBase {
        final AtomicInteger count = new AtomicInteger();

        public String caller() {
            count.incrementAndGet();
            String who = vemo.harl.tls.Caller.subject();
            return (vemo.harl.tls.Caller.secure() ? "tls " : "plain ") + (who == null ? "-" : who);
        }

        public int calls() {
            return count.get();
        }

        public int small(int x) {
            count.incrementAndGet();
            return x + 1;
        }

        public byte[] echo(byte[] a) {
            count.incrementAndGet();
            return a;
        }

        public void shutdown() {
            // Not from the thread of this call: shutting down waits for it.
            Thread t = new Thread(() -> orb.shutdown(true), "shutdown");
            t.setDaemon(true);
            t.start();
        }
    }

    // A stub for a reference without asking the object its type: a refused
    // connection shows in the first action, and a corbaloc URL carries no type.
    static Door door(org.omg.CORBA.Object o) {
        return new _DoorStub(((org.omg.CORBA.portable.ObjectImpl) o)._get_delegate());
    }

    static void act(Door door, String action) {
        try {
            switch (action) {
                case "caller":
                    System.out.println("caller " + door.caller());
                    break;
                case "calls":
                    System.out.println("calls " + door.calls());
                    break;
                case "shutdown":
                    door.shutdown();
                    System.out.println("shutdown ok");
                    break;
                default:
                    System.out.println(action + " unknown action");
            }
        } catch (SystemException e) {
            String name = e.getClass().getSimpleName();
            System.out.println(action + " " + name);
            System.err.println(action + ": " + e);
        }
    }

    // Small calls, then 1 MB octet sequences, each for about SECONDS, as
    // the interoperability client measures them.
    static void bench(Door door, double seconds) {
        for (int i = 0; i < 2000; i++) door.small(i);
        long start = System.nanoTime();
        long n = 0;
        while ((System.nanoTime() - start) / 1e9 < seconds) {
            for (int i = 0; i < 100; i++, n++) {
                if (door.small(i) != i + 1) throw new IllegalStateException("wrong answer");
            }
        }
        System.out.println("calls/s " + n / ((System.nanoTime() - start) / 1e9));
        byte[] big = new byte[1 << 20];
        for (int i = 0; i < big.length; i++) big[i] = (byte) i;
        for (int i = 0; i < 10; i++) door.echo(big);
        start = System.nanoTime();
        n = 0;
        while ((System.nanoTime() - start) / 1e9 < seconds) {
            if (door.echo(big).length != big.length) throw new IllegalStateException("wrong length");
            n++;
        }
        // Each call carries the megabyte there and back.
        System.out.println("MB/s " + 2.0 * n / ((System.nanoTime() - start) / 1e9));
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 2) {
            System.err.println("usage: TlsPeer server IORFILE | client IOR ACTION... | bench IOR SECONDS [key=value ...]");
            System.exit(2);
        }
        Properties props = new Properties();
        List<String> orbArgs = new ArrayList<>();
        List<String> rest = new ArrayList<>();
        for (int i = 2; i < args.length; i++) {
            String a = args[i];
            if (a.startsWith("-ORB") && i + 1 < args.length) {
                orbArgs.add(a);
                orbArgs.add(args[++i]);
            } else if (a.indexOf('=') > 0) {
                props.setProperty(a.substring(0, a.indexOf('=')), a.substring(a.indexOf('=') + 1));
            } else {
                rest.add(a);
            }
        }
        orb = ORB.init(orbArgs.toArray(new String[0]), props);
        int status = 1;
        try {
            switch (args[0]) {
                case "server": {
                    DoorServant door = new DoorServant();
                    orb.connect(door);
                    String ior = orb.object_to_string(door);
                    System.out.println("reference: " + ior);
                    Path file = Paths.get(args[1]);
                    Path tmp = Paths.get(args[1] + ".tmp");
                    Files.write(tmp, (ior + "\n").getBytes(StandardCharsets.US_ASCII));
                    Files.move(tmp, file, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
                    orb.run();
                    System.out.println("server: stopped");
                    status = 0;
                    break;
                }
                case "client": {
                    Door door = door(orb.string_to_object(args[1]));
                    for (String action : rest) act(door, action);
                    status = 0;
                    break;
                }
                case "bench":
                    bench(door(orb.string_to_object(args[1])), Double.parseDouble(rest.get(0)));
                    status = 0;
                    break;
                default:
                    System.err.println("unknown mode " + args[0]);
                    status = 2;
            }
        } catch (Exception | Error e) {
            System.out.println("FAILED: " + e);
            e.printStackTrace(System.out);
        } finally {
            System.out.flush();
            // The ORB's threads must not keep the process alive.
            Runtime.getRuntime().halt(status);
        }
    }
}

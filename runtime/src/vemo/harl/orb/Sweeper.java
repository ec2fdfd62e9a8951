package vemo.harl.orb;

import java.io.IOException;
import java.io.OutputStream;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;

// One thread for the whole process that looks after the connections, in
// place of a timer task per message: four times a second each registered
// connection checks itself (a write that has made no progress for its
// limit, a server connection idle for too long, a closing connection whose
// peer does not let go) and closes what it must.  Blocking socket writes
// have no timeout of their own; a write stuck behind a peer that does not
// read is ended by closing its socket here.
final class Sweeper {
    private Sweeper() { }

    static final long PERIOD_MS = 250;

    interface Swept {
        // Checks the connection at time now (System.nanoTime); false once
        // it is closed and need not be looked at again.
        boolean sweep(long now);
    }

    private static final Set<Swept> watched = ConcurrentHashMap.newKeySet();
    private static Thread thread;

    static void add(Swept s) {
        watched.add(s);
        synchronized (Sweeper.class) {
            if (thread == null) {
                thread = new Thread(Sweeper::loop, "vemo.harl sweeper");
                thread.setDaemon(true);
                thread.start();
            }
        }
    }

    static void remove(Swept s) {
        watched.remove(s);
    }

    private static void loop() {
        while (true) {
            try {
                Thread.sleep(PERIOD_MS);
            } catch (InterruptedException e) {
                return;
            }
            long now = System.nanoTime();
            for (Swept s : watched) {
                try {
                    if (!s.sweep(now)) watched.remove(s);
                } catch (Throwable t) {
                    watched.remove(s);
                }
            }
        }
    }

    // How long a write may go without progress: the reply timeout, or a
    // minute without one.
    static long stallLimitNanos(Settings s) {
        long ms = s.replyTimeout > 0 ? Math.max(s.replyTimeout, 1000) : 60000;
        return ms * 1000000L;
    }

    // The writes of one connection, made in slices so that their progress
    // shows: a slow reader that takes a large message a slice at a time is
    // not cut off, one that takes nothing is.
    static final class Progress {
        private static final int SLICE = 128 * 1024;
        // When the write in progress began or last moved on; 0 when none.
        private volatile long since;

        void write(OutputStream out, byte[] b, int off, int len) throws IOException {
            try {
                int at = off, end = off + len;
                do {
                    since = System.nanoTime();
                    int n = Math.min(SLICE, end - at);
                    out.write(b, at, n);
                    at += n;
                } while (at < end);
                out.flush();
            } finally {
                since = 0;
            }
        }

        boolean writing() {
            return since != 0;
        }

        boolean stalled(long now, long limitNanos) {
            long s = since;
            return s != 0 && now - s > limitNanos;
        }
    }
}

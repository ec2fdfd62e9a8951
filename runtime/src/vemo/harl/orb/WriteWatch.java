package vemo.harl.orb;

import java.io.IOException;
import java.net.Socket;
import java.util.concurrent.ScheduledFuture;
import java.util.concurrent.ScheduledThreadPoolExecutor;
import java.util.concurrent.TimeUnit;

// Blocking socket writes have no timeout of their own: a peer that stops
// reading would hold a writer, and everyone queued behind the connection's
// write lock, for ever.  A write is watched instead; one still stuck after
// its time closes the socket, which ends the write with an IOException.
final class WriteWatch {
    private WriteWatch() { }

    private static final ScheduledThreadPoolExecutor timer = new ScheduledThreadPoolExecutor(1, r -> {
        Thread t = new Thread(r, "vemo.harl write watch");
        t.setDaemon(true);
        return t;
    });

    static {
        timer.setRemoveOnCancelPolicy(true);
    }

    // Watches a write on s for ms milliseconds (0: not at all); the result
    // is cancelled once the write is done.
    static ScheduledFuture<?> arm(Socket s, long ms) {
        if (ms <= 0) return null;
        return timer.schedule(() -> {
            try {
                s.close();
            } catch (IOException ignored) {
                // closed already
            }
        }, ms, TimeUnit.MILLISECONDS);
    }

    static void done(ScheduledFuture<?> f) {
        if (f != null) f.cancel(false);
    }

    // How long a write may take: the reply timeout, or a minute without one.
    static long limit(Settings s) {
        return s.replyTimeout > 0 ? Math.max(s.replyTimeout, 1000) : 60000;
    }
}

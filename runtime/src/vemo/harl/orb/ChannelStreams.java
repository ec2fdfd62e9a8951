package vemo.harl.orb;

import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.SocketException;
import java.net.SocketTimeoutException;
import java.nio.ByteBuffer;
import java.nio.channels.ClosedChannelException;
import java.nio.channels.ClosedSelectorException;
import java.nio.channels.SelectionKey;
import java.nio.channels.Selector;
import java.nio.channels.SocketChannel;

// The two streams of a plain TCP connection, over a non-blocking socket
// channel, each through a direct buffer of its own.
//
// Why not the socket's own streams: they move every read and write through
// a temporary native buffer of at most 128 KiB a call, and once a read
// timeout is set each write of a large message is copied again for every
// partial write.  Here a large message crosses in few system calls, and
// each octet is copied once between the Java array and the native buffer.
//
// Waits are made on a selector of each stream's own, never in a blocking
// call, so that an interrupt neither closes the channel (as a blocking
// channel call would) nor ends a wait early: a thread interrupted while it
// writes finishes the message, and keeps its interrupt.  Every wait lasts
// at most POLL_MS, so that a channel closed by another thread (which does
// not wake a selector) is noticed.
final class ChannelStreams {
    private ChannelStreams() { }

    private static final int BUFFER = 256 * 1024;
    private static final int POLL_MS = 50;
    private static final java.util.function.Consumer<SelectionKey> NOTHING = k -> { };

    // Waits until the channel is ready for the selector's operation, up to
    // ms (0: without end); false when the time passed.  The caller's
    // interrupt is set aside for the wait and put back afterwards.
    private static boolean await(SocketChannel ch, Selector sel, long ms) throws IOException {
        boolean interrupted = Thread.interrupted();
        try {
            long end = System.nanoTime() + ms * 1_000_000L;
            while (true) {
                if (!ch.isOpen()) throw new SocketException("Socket closed");
                long left = ms == 0 ? POLL_MS : (end - System.nanoTime()) / 1_000_000L;
                if (left <= 0) return false;
                // (the selector's one key needs no selected-key set)
                if (sel.select(NOTHING, Math.min(left, POLL_MS)) > 0) return true;
            }
        } catch (ClosedSelectorException e) {
            throw new SocketException("Socket closed");
        } finally {
            if (interrupted) Thread.currentThread().interrupt();
        }
    }

    private static Selector selector(SocketChannel ch, int op) throws IOException {
        Selector sel = Selector.open();
        try {
            ch.register(sel, op);
        } catch (IOException | RuntimeException e) {
            sel.close();
            throw e;
        }
        return sel;
    }

    // Reads: a read with nothing buffered waits for the channel up to the
    // read timeout and then throws SocketTimeoutException, as a socket with
    // a read timeout does.
    static final class In extends InputStream {
        private final SocketChannel ch;
        private final Selector sel;
        private final ByteBuffer buf = ByteBuffer.allocateDirect(BUFFER);
        private final int timeoutMs;

        In(SocketChannel ch, int timeoutMs) throws IOException {
            this.ch = ch;
            this.timeoutMs = timeoutMs;
            this.sel = selector(ch, SelectionKey.OP_READ);
            buf.limit(0);
        }

        // Fills the buffer: false at the end of the stream.
        private boolean fill() throws IOException {
            buf.clear();
            try {
                while (true) {
                    int n = ch.read(buf);
                    if (n > 0) return true;
                    if (n < 0) return false;
                    if (!await(ch, sel, timeoutMs)) throw new SocketTimeoutException("Read timed out");
                }
            } catch (ClosedChannelException e) {
                throw new SocketException("Socket closed");
            } finally {
                buf.flip();
            }
        }

        @Override
        public int read() throws IOException {
            if (!buf.hasRemaining() && !fill()) return -1;
            return buf.get() & 0xFF;
        }

        @Override
        public int read(byte[] b, int off, int len) throws IOException {
            if (len == 0) return 0;
            if (!buf.hasRemaining() && !fill()) return -1;
            int n = Math.min(len, buf.remaining());
            buf.get(b, off, n);
            return n;
        }

        @Override
        public int available() {
            return buf.remaining();
        }

        @Override
        public void close() throws IOException {
            sel.close();
        }
    }

    // Writes: each write returns once every octet is handed to the
    // connection.
    static final class Out extends OutputStream {
        private final SocketChannel ch;
        private final Selector sel;
        private final ByteBuffer buf = ByteBuffer.allocateDirect(BUFFER);

        Out(SocketChannel ch) throws IOException {
            this.ch = ch;
            this.sel = selector(ch, SelectionKey.OP_WRITE);
        }

        @Override
        public void write(int b) throws IOException {
            write(new byte[] {(byte) b}, 0, 1);
        }

        @Override
        public void write(byte[] b, int off, int len) throws IOException {
            try {
                while (len > 0) {
                    int n = Math.min(len, buf.capacity());
                    buf.clear();
                    buf.put(b, off, n);
                    buf.flip();
                    while (buf.hasRemaining()) {
                        if (ch.write(buf) == 0) await(ch, sel, 0);
                    }
                    off += n;
                    len -= n;
                }
            } catch (ClosedChannelException e) {
                throw new SocketException("Socket closed");
            }
        }

        @Override
        public void close() throws IOException {
            sel.close();
        }
    }
}

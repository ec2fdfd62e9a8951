package vemo.harl.ior;

import java.io.ByteArrayOutputStream;
import java.nio.charset.StandardCharsets;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;

// The few CDR items an IOR's encapsulations hold (octets, shorts, longs,
// strings, octet sequences), read and written without an ORB: profiles and
// components are parsed where no stream exists, from a stringified
// reference or from the bytes of a profile.  Alignment counts from the
// start of the encapsulation, whose first octet is its byte order.
public final class Encaps {
    private Encaps() { }

    public static final class Writer {
        private final ByteArrayOutputStream bytes = new ByteArrayOutputStream();

        // Big-endian, the byte-order octet already written.
        public Writer() {
            bytes.write(0);
        }

        public int size() {
            return bytes.size();
        }

        private void align(int n) {
            while (bytes.size() % n != 0) bytes.write(0);
        }

        public Writer octet(int v) {
            bytes.write(v);
            return this;
        }

        public Writer ushort(int v) {
            align(2);
            bytes.write(v >>> 8);
            bytes.write(v);
            return this;
        }

        public Writer ulong(int v) {
            align(4);
            bytes.write(v >>> 24);
            bytes.write(v >>> 16);
            bytes.write(v >>> 8);
            bytes.write(v);
            return this;
        }

        public Writer octets(byte[] v) {
            ulong(v.length);
            bytes.write(v, 0, v.length);
            return this;
        }

        public Writer raw(byte[] v) {
            bytes.write(v, 0, v.length);
            return this;
        }

        public Writer string(String v) {
            byte[] b = v.getBytes(StandardCharsets.ISO_8859_1);
            ulong(b.length + 1);
            bytes.write(b, 0, b.length);
            bytes.write(0);
            return this;
        }

        public byte[] toByteArray() {
            return bytes.toByteArray();
        }
    }

    public static final class Reader {
        private final byte[] buf;
        private final int start;
        private final int end;
        private int pos;
        private final boolean little;

        // An encapsulation: its first octet gives the byte order.
        public Reader(byte[] buf) {
            this(buf, 0, buf.length);
        }

        public Reader(byte[] buf, int offset, int length) {
            if (length < 1) throw bad("empty encapsulation");
            this.buf = buf;
            this.start = offset;
            this.end = offset + length;
            int order = buf[offset];
            if (order != 0 && order != 1) throw bad("bad byte order in encapsulation");
            this.little = order == 1;
            this.pos = offset + 1;
        }

        private static MARSHAL bad(String why) {
            return new MARSHAL(why, 0, CompletionStatus.COMPLETED_NO);
        }

        public int remaining() {
            return end - pos;
        }

        private void align(int n) {
            int rel = pos - start;
            int pad = (n - rel % n) % n;
            need(pad);
            pos += pad;
        }

        private void need(int n) {
            if (n < 0 || n > end - pos) throw bad("encapsulation ends early");
        }

        public int octet() {
            need(1);
            return buf[pos++] & 0xFF;
        }

        public int ushort() {
            align(2);
            need(2);
            int a = buf[pos] & 0xFF, b = buf[pos + 1] & 0xFF;
            pos += 2;
            return little ? (b << 8) | a : (a << 8) | b;
        }

        public int ulong() {
            align(4);
            need(4);
            int a = buf[pos] & 0xFF, b = buf[pos + 1] & 0xFF, c = buf[pos + 2] & 0xFF, d = buf[pos + 3] & 0xFF;
            pos += 4;
            return little ? (d << 24) | (c << 16) | (b << 8) | a : (a << 24) | (b << 16) | (c << 8) | d;
        }

        public byte[] octets() {
            int n = ulong();
            need(n);
            byte[] v = java.util.Arrays.copyOfRange(buf, pos, pos + n);
            pos += n;
            return v;
        }

        public String string() {
            int n = ulong();
            if (n < 1) throw bad("string without terminator");
            need(n);
            if (buf[pos + n - 1] != 0) throw bad("string without terminator");
            String s = new String(buf, pos, n - 1, StandardCharsets.ISO_8859_1);
            pos += n;
            return s;
        }

        public byte[] rest() {
            byte[] v = java.util.Arrays.copyOfRange(buf, pos, end);
            pos = end;
            return v;
        }
    }
}

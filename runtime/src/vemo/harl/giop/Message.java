package vemo.harl.giop;

// One whole GIOP message as received: its header fields and its octets
// from the magic on (a fragmented message already put back together, the
// header fields those of its first fragment).
public final class Message {
    public final int minor;
    public final boolean little;
    public final int type;
    public final byte[] buf;
    public final int length;
    // Octets of the reader's budget this message holds until it is
    // answered (0 when the reader has no budget).
    public long charged;

    public Message(int minor, boolean little, int type, byte[] buf, int length) {
        this.minor = minor;
        this.little = little;
        this.type = type;
        this.buf = buf;
        this.length = length;
    }

    // The request id a 1.2 message carries right after its header, or -1
    // when it carries none there or is too short.
    int leadingRequestId() {
        if (length < Giop.HEADER + 4) return -1;
        return Giop.getInt(buf, Giop.HEADER, little);
    }
}

package vemo.harl.ior;

// The TAG_SSL_SEC_TRANS component of an IIOP profile: the port of the
// target's TLS listener and the association options the target supports
// and requires, an encapsulated
//
//   struct SSL { unsigned short target_supports; unsigned short target_requires; unsigned short port; };
//
// A target that takes only TLS publishes port 0 in the profile itself.
public final class SslTrans {
    public static final int TAG_SSL_SEC_TRANS = 20;

    // Association options (bits of target_supports and target_requires).
    public static final int NO_PROTECTION = 1;
    public static final int INTEGRITY = 2;
    public static final int CONFIDENTIALITY = 4;
    public static final int DETECT_REPLAY = 8;
    public static final int DETECT_MISORDERING = 16;
    public static final int ESTABLISH_TRUST_IN_TARGET = 32;
    public static final int ESTABLISH_TRUST_IN_CLIENT = 64;

    public final int targetSupports;
    public final int targetRequires;
    public final int port;

    public SslTrans(int targetSupports, int targetRequires, int port) {
        this.targetSupports = targetSupports & 0xFFFF;
        this.targetRequires = targetRequires & 0xFFFF;
        this.port = port & 0xFFFF;
    }

    public IOR.TaggedComponent component() {
        return new IOR.TaggedComponent(TAG_SSL_SEC_TRANS,
                                       new Encaps.Writer().ushort(targetSupports).ushort(targetRequires).ushort(port)
                                           .toByteArray());
    }

    // Decodes a component's data; MARSHAL when it is not an SSL struct.
    public static SslTrans decode(byte[] data) {
        Encaps.Reader r = new Encaps.Reader(data);
        int supports = r.ushort(), requires = r.ushort(), port = r.ushort();
        return new SslTrans(supports, requires, port);
    }

    // The profile's component, or null when it announces no TLS.
    public static SslTrans of(IOR.IIOPProfile p) {
        for (IOR.TaggedComponent c : p.components) {
            if (c.tag == TAG_SSL_SEC_TRANS) return decode(c.data());
        }
        return null;
    }

    // True when the target takes no call in clear text.
    public boolean requiresProtection() {
        return (targetRequires & (INTEGRITY | CONFIDENTIALITY)) != 0;
    }

    public String toString() {
        return "SSL(supports " + targetSupports + ", requires " + targetRequires + ", port " + port + ")";
    }
}

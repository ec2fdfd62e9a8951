package vemo.harl.ior;

import java.io.ByteArrayOutputStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.List;

import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;

// An interoperable object reference: the most derived repository
// identifier known for the object and its tagged profiles, the profile
// data kept as received so that a reference passes through unchanged.  The
// first IIOP profile is parsed for its address and object key.  An IOR is
// immutable.
public final class IOR {
    public static final int TAG_INTERNET_IOP = 0;
    public static final int TAG_MULTIPLE_COMPONENTS = 1;
    public static final int TAG_ORB_TYPE = 0;
    public static final int TAG_CODE_SETS = 1;

    // The code sets of the vemo.harl ORB, by their registry values.
    public static final int ISO_8859_1 = 0x00010001;
    public static final int UTF_8 = 0x05010001;
    public static final int UTF_16 = 0x00010109;
    public static final int UCS_2 = 0x00010100;

    // The ORB type this ORB puts in its references ("VEM" and a version).
    public static final int ORB_TYPE = 0x56454D01;

    public static final class TaggedProfile {
        public final int tag;
        private final byte[] data;

        public TaggedProfile(int tag, byte[] data) {
            this.tag = tag;
            this.data = data.clone();
        }

        public byte[] data() {
            return data.clone();
        }
    }

    public static final class TaggedComponent {
        public final int tag;
        private final byte[] data;

        public TaggedComponent(int tag, byte[] data) {
            this.tag = tag;
            this.data = data.clone();
        }

        public byte[] data() {
            return data.clone();
        }
    }

    // The body of an IIOP profile, versions 1.0 to 1.2.
    public static final class IIOPProfile {
        public final int major;
        public final int minor;
        public final String host;
        public final int port;
        private final byte[] key;
        public final List<TaggedComponent> components;

        public IIOPProfile(int major, int minor, String host, int port, byte[] key, List<TaggedComponent> components) {
            this.major = major;
            this.minor = minor;
            this.host = host;
            this.port = port;
            this.key = key.clone();
            this.components = Collections.unmodifiableList(new ArrayList<>(components));
        }

        public byte[] key() {
            return key.clone();
        }

        boolean keyEquals(byte[] other) {
            return Arrays.equals(key, other);
        }

        public byte[] encode() {
            Encaps.Writer w = new Encaps.Writer();
            w.octet(major).octet(minor).string(host).ushort(port).octets(key);
            if (minor >= 1) {
                w.ulong(components.size());
                for (TaggedComponent c : components) w.ulong(c.tag).octets(c.data);
            }
            return w.toByteArray();
        }

        public static IIOPProfile decode(byte[] data) {
            Encaps.Reader r = new Encaps.Reader(data);
            int major = r.octet(), minor = r.octet();
            if (major != 1) throw new MARSHAL("IIOP profile version " + major + "." + minor, 0, CompletionStatus.COMPLETED_NO);
            String host = r.string();
            int port = r.ushort();
            byte[] key = r.octets();
            List<TaggedComponent> components = new ArrayList<>();
            if (minor >= 1 && r.remaining() > 0) {
                int n = r.ulong();
                if (n < 0 || n > r.remaining() / 8) throw new MARSHAL("too many components", 0, CompletionStatus.COMPLETED_NO);
                for (int i = 0; i < n; i++) {
                    int tag = r.ulong();
                    components.add(new TaggedComponent(tag, r.octets()));
                }
            }
            return new IIOPProfile(major, minor, host, port, key, components);
        }

        // The code sets the profile's server announces, or null.
        public int[][] codeSets() {
            for (TaggedComponent c : components) {
                if (c.tag != TAG_CODE_SETS) continue;
                try {
                    Encaps.Reader r = new Encaps.Reader(c.data);
                    int[][] v = new int[2][];
                    for (int k = 0; k < 2; k++) {
                        int nat = r.ulong();
                        int n = r.ulong();
                        if (n < 0 || n > r.remaining() / 4) return null;
                        v[k] = new int[n + 1];
                        v[k][0] = nat;
                        for (int i = 0; i < n; i++) v[k][i + 1] = r.ulong();
                    }
                    return v;
                } catch (MARSHAL e) {
                    return null;
                }
            }
            return null;
        }
    }

    public final String typeId;
    private final List<TaggedProfile> profiles;
    private final IIOPProfile iiop;

    public IOR(String typeId, List<TaggedProfile> profiles) {
        this.typeId = typeId == null ? "" : typeId;
        this.profiles = Collections.unmodifiableList(new ArrayList<>(profiles));
        IIOPProfile p = null;
        for (TaggedProfile t : this.profiles) {
            if (t.tag == TAG_INTERNET_IOP) {
                p = IIOPProfile.decode(t.data);
                break;
            }
        }
        this.iiop = p;
    }

    // The nil reference: no type and no profile.
    public static final IOR NIL = new IOR("", Collections.emptyList());

    public boolean isNil() {
        return profiles.isEmpty() && typeId.isEmpty();
    }

    public List<TaggedProfile> profiles() {
        return profiles;
    }

    // The first IIOP profile, or null.
    public IIOPProfile iiop() {
        return iiop;
    }

    public IOR withTypeId(String id) {
        return new IOR(id, profiles);
    }

    // A reference to an object at host:port under key, announcing the
    // given profile minor version; 1.1 and 1.2 profiles carry the ORB type
    // and the code sets.
    public static IOR make(String typeId, String host, int port, byte[] key, int minor) {
        return make(typeId, host, port, key, minor, ISO_8859_1);
    }

    public static IOR make(String typeId, String host, int port, byte[] key, int minor, int nativeChar) {
        return make(typeId, host, port, key, minor, nativeChar, Collections.emptyList());
    }

    // The same with further components after the ORB type and code sets
    // (a 1.0 profile carries none).
    public static IOR make(String typeId, String host, int port, byte[] key, int minor, int nativeChar,
                           List<TaggedComponent> extra) {
        List<TaggedComponent> comps = new ArrayList<>();
        if (minor >= 1) {
            comps.add(new TaggedComponent(TAG_ORB_TYPE, new Encaps.Writer().ulong(ORB_TYPE).toByteArray()));
            Encaps.Writer cs = new Encaps.Writer();
            cs.ulong(nativeChar).ulong(1).ulong(nativeChar == UTF_8 ? ISO_8859_1 : UTF_8);
            cs.ulong(UTF_16).ulong(0);
            comps.add(new TaggedComponent(TAG_CODE_SETS, cs.toByteArray()));
            comps.addAll(extra);
        }
        IIOPProfile p = new IIOPProfile(1, minor, host, port, key, comps);
        return new IOR(typeId, Collections.singletonList(new TaggedProfile(TAG_INTERNET_IOP, p.encode())));
    }

    // The IOR as an encapsulation, the body of its stringified form.
    public byte[] encapsulate() {
        Encaps.Writer w = new Encaps.Writer();
        w.string(typeId).ulong(profiles.size());
        for (TaggedProfile p : profiles) w.ulong(p.tag).octets(p.data);
        return w.toByteArray();
    }

    private static final char[] HEX = "0123456789abcdef".toCharArray();

    public String toString() {
        byte[] b = encapsulate();
        StringBuilder s = new StringBuilder(4 + 2 * b.length);
        s.append("IOR:");
        for (byte x : b) s.append(HEX[(x >> 4) & 15]).append(HEX[x & 15]);
        return s.toString();
    }

    private static int hexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    private static BAD_PARAM badString(String why) {
        return new BAD_PARAM(why, 0, CompletionStatus.COMPLETED_NO);
    }

    // Parses "IOR:" followed by the hexadecimal encapsulation.
    public static IOR parse(String s) {
        s = s.trim();
        if (!s.regionMatches(true, 0, "IOR:", 0, 4)) throw badString("not a stringified IOR");
        int digits = s.length() - 4;
        if (digits % 2 != 0 || digits < 2) throw badString("stringified IOR of odd length");
        byte[] b = new byte[digits / 2];
        for (int i = 0; i < b.length; i++) {
            int hi = hexDigit(s.charAt(4 + 2 * i)), lo = hexDigit(s.charAt(5 + 2 * i));
            if (hi < 0 || lo < 0) throw badString("stringified IOR with a non-hexadecimal digit");
            b[i] = (byte) ((hi << 4) | lo);
        }
        try {
            Encaps.Reader r = new Encaps.Reader(b);
            String id = r.string();
            int n = r.ulong();
            if (n < 0 || n > r.remaining() / 8) throw badString("stringified IOR with too many profiles");
            List<TaggedProfile> ps = new ArrayList<>();
            for (int i = 0; i < n; i++) {
                int tag = r.ulong();
                ps.add(new TaggedProfile(tag, r.octets()));
            }
            return new IOR(id, ps);
        } catch (MARSHAL e) {
            throw badString("malformed stringified IOR: " + e.getMessage());
        }
    }

    // Parses corbaloc:iiop:[major.minor@]host[:port]/key (also the empty
    // protocol "::"); several addresses separated by commas become several
    // profiles.  The key may hold %-escaped octets.  The reference carries
    // no type: _is_a asks the object.
    public static IOR parseCorbaloc(String s) {
        s = s.trim();
        if (!s.regionMatches(true, 0, "corbaloc:", 0, 9)) throw badString("not a corbaloc URL");
        String rest = s.substring(9);
        int slash = rest.indexOf('/');
        if (slash < 0) throw badString("corbaloc URL without object key");
        byte[] key = unescape(rest.substring(slash + 1));
        List<TaggedProfile> ps = new ArrayList<>();
        for (String addr : rest.substring(0, slash).split(",", -1)) {
            String a;
            if (addr.regionMatches(true, 0, "iiop:", 0, 5)) a = addr.substring(5);
            else if (addr.startsWith(":")) a = addr.substring(1);
            else throw badString("unsupported corbaloc protocol in " + addr);
            int minor = 0;
            int at = a.indexOf('@');
            if (at >= 0) {
                String ver = a.substring(0, at);
                a = a.substring(at + 1);
                int dot = ver.indexOf('.');
                try {
                    if (dot < 0 || Integer.parseInt(ver.substring(0, dot)) != 1) throw badString("bad IIOP version " + ver);
                    minor = Integer.parseInt(ver.substring(dot + 1));
                } catch (NumberFormatException e) {
                    throw badString("bad IIOP version " + ver);
                }
                if (minor < 0 || minor > 2) throw badString("unsupported IIOP version " + ver);
            }
            String host;
            String port = "";
            if (a.startsWith("[")) {
                int close = a.indexOf(']');
                if (close < 0) throw badString("bad IPv6 address in " + addr);
                host = a.substring(1, close);
                String tail = a.substring(close + 1);
                if (tail.startsWith(":")) port = tail.substring(1);
                else if (!tail.isEmpty()) throw badString("bad address " + addr);
            } else {
                int colon = a.lastIndexOf(':');
                host = colon < 0 ? a : a.substring(0, colon);
                port = colon < 0 ? "" : a.substring(colon + 1);
            }
            if (host.isEmpty()) throw badString("corbaloc address without host");
            int p = 2809;
            if (!port.isEmpty()) {
                try {
                    p = Integer.parseInt(port);
                } catch (NumberFormatException e) {
                    throw badString("bad port " + port);
                }
                if (p < 0 || p > 65535) throw badString("bad port " + port);
            }
            IIOPProfile prof = new IIOPProfile(1, minor, host, p, key, Collections.emptyList());
            ps.add(new TaggedProfile(TAG_INTERNET_IOP, prof.encode()));
        }
        return new IOR("", ps);
    }

    // The octets of a %-escaped URL part.
    public static byte[] unescapeKey(String k) {
        return unescape(k);
    }

    static byte[] unescape(String k) {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        byte[] raw = k.getBytes(StandardCharsets.UTF_8);
        for (int i = 0; i < raw.length; i++) {
            if (raw[i] == '%') {
                if (i + 2 >= raw.length)
                    throw badString("incomplete %-escape in object key");
                int hi = hexDigit((char) raw[i + 1]), lo = hexDigit((char) raw[i + 2]);
                if (hi < 0 || lo < 0) throw badString("bad %-escape in object key");
                out.write((hi << 4) | lo);
                i += 2;
            } else {
                out.write(raw[i]);
            }
        }
        return out.toByteArray();
    }

    // The object key written for a corbaloc URL: unreserved characters as
    // they are, everything else %-escaped.
    public static String escape(byte[] key) {
        StringBuilder s = new StringBuilder();
        for (byte b : key) {
            int c = b & 0xFF;
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                || ";/:?@&=+$,-_.!~*'()".indexOf(c) >= 0) {
                s.append((char) c);
            } else {
                s.append('%').append(HEX[c >> 4]).append(HEX[c & 15]);
            }
        }
        return s.toString();
    }

    public boolean equals(Object o) {
        if (!(o instanceof IOR)) return false;
        IOR other = (IOR) o;
        if (!typeId.equals(other.typeId) || profiles.size() != other.profiles.size()) return false;
        for (int i = 0; i < profiles.size(); i++) {
            if (profiles.get(i).tag != other.profiles.get(i).tag
                || !Arrays.equals(profiles.get(i).data, other.profiles.get(i).data)) return false;
        }
        return true;
    }

    // Equal for the same object: the same address and key.
    public boolean sameObject(IOR other) {
        if (iiop == null || other.iiop == null) return equals(other);
        return iiop.port == other.iiop.port && iiop.host.equalsIgnoreCase(other.iiop.host)
            && Arrays.equals(iiop.key, other.iiop.key);
    }

    public int hashCode() {
        if (iiop == null) return typeId.hashCode();
        return iiop.host.toLowerCase().hashCode() * 31 * 31 + iiop.port * 31 + Arrays.hashCode(iiop.key);
    }
}

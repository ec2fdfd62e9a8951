package vemo.harl.ior;

import java.util.ArrayList;
import java.util.List;

import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.MARSHAL;

// IORs on CDR streams: the type id and the tagged profiles (the empty IOR,
// no type id and no profiles, stands for a nil reference).  Binding an IOR
// to a reference is the ORB's (vemo.harl.orb).
public final class ObjectRefs {
    private ObjectRefs() { }

    public static IOR readIOR(org.omg.CORBA.portable.InputStream in) {
        String id = in.read_string();
        int n = in.read_ulong();
        if (n < 0 || n > in.available() / 8)
            throw new MARSHAL("IOR with " + (n & 0xFFFFFFFFL) + " profiles beyond the data", 0,
                              CompletionStatus.COMPLETED_NO);
        List<IOR.TaggedProfile> ps = new ArrayList<>(n);
        for (int i = 0; i < n; i++) {
            int tag = in.read_ulong();
            int len = in.read_ulong();
            if (len < 0 || len > in.available())
                throw new MARSHAL("profile of " + (len & 0xFFFFFFFFL) + " octets beyond the data", 0,
                                  CompletionStatus.COMPLETED_NO);
            byte[] data = new byte[len];
            in.read_octet_array(data, 0, len);
            ps.add(new IOR.TaggedProfile(tag, data));
        }
        return new IOR(id, ps);
    }

    public static void writeIOR(org.omg.CORBA.portable.OutputStream out, IOR ior) {
        out.write_string(ior.typeId);
        List<IOR.TaggedProfile> ps = ior.profiles();
        out.write_ulong(ps.size());
        for (IOR.TaggedProfile p : ps) {
            out.write_ulong(p.tag);
            byte[] d = p.data();
            out.write_ulong(d.length);
            out.write_octet_array(d, 0, d.length);
        }
    }
}

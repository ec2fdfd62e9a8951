import org.omg.CORBA.BAD_OPERATION;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Unions over long long and unsigned long long through their helpers: every
// label, including one wider than 32 bits, comes back as written.
public class WideUnionRoundTrip {
    private static int failures = 0;

    private static void check(boolean ok, String what) {
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    private static WU.Wide wide(WU.Wide u) {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        WU.WideHelper.__write(out, u);
        return WU.WideHelper.__read(out.create_input_stream());
    }

    private static WU.UWide uwide(WU.UWide u) {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        WU.UWideHelper.__write(out, u);
        return WU.UWideHelper.__read(out.create_input_stream());
    }

    public static void main(String[] args) {
        WU.Wide u = new WU.Wide();
        u.a(9);
        check(wide(u).discriminator() == 6L && wide(u).a() == 9, "single label");
        u.b("x");
        check(wide(u).discriminator() == -7L && wide(u).b().equals("x"), "first label of two");
        u.b(5000000000L, "y");
        check(wide(u).discriminator() == 5000000000L && wide(u).b().equals("y"), "label wider than 32 bits");
        u.c((short) 3);
        check(wide(u).c() == 3, "default branch");
        u.c(705032704L, (short) 4);
        check(wide(u).discriminator() == 705032704L && wide(u).c() == 4,
              "a value equal to the wide label's low 32 bits selects the default");
        try {
            u.b(705032704L, "z");
            check(false, "low 32 bits of a wide label do not select its case");
        } catch (BAD_OPERATION expected) {
        }
        WU.UWide v = new WU.UWide();
        v.b(2.5);
        check(uwide(v).discriminator() == 5L && uwide(v).b() == 2.5, "unsigned long long union");
        v.a(1);
        check(uwide(v).discriminator() == 0L && uwide(v).a() == 1, "unsigned long long zero label");
        if (failures > 0) System.exit(1);
        System.out.println("wide unions: all checks passed");
    }
}

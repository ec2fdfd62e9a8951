import java.math.BigDecimal;

import org.omg.CORBA.*;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Fixed-point values through their Helpers and the runtime's streams: the
// packed decimal octets, values at 31 digits and at zero scale, values that
// do not fit (DATA_CONVERSION), fixed members of structs, unions,
// exceptions and sequences, anys, type codes, constants, and calls through
// a stub, collocated and over loopback IIOP.
public class FixedRoundTrip {
    private static int failures = 0;
    private static int checks = 0;

    private static void check(boolean ok, String what) {
        checks++;
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    static OutputStream out() {
        return ORB.init().create_output_stream();
    }

    static BigDecimal d(String s) {
        return new BigDecimal(s);
    }

    // A value through the Helper of its type comes back equal, at the
    // type's scale.
    static void streams() {
        String[][] money = {
            {"0", "0.00"}, {"1234567.89", "1234567.89"}, {"-0.01", "-0.01"}, {"1.5", "1.50"},
            {"-9999999.99", "-9999999.99"}, {"42", "42.00"},
        };
        for (String[] m : money) {
            OutputStream o = out();
            Fix.MoneyHelper.__write(o, d(m[0]));
            BigDecimal back = Fix.MoneyHelper.__read(o.create_input_stream());
            check(back.toPlainString().equals(m[1]), "Money " + m[0] + " came back as " + back.toPlainString());
        }
        String[] big = {"9999999999999999999999999999999", "-1000000000000000000000000000000", "0", "7"};
        for (String b : big) {
            OutputStream o = out();
            Fix.BigHelper.__write(o, d(b));
            check(Fix.BigHelper.__read(o.create_input_stream()).toPlainString().equals(b), "Big " + b);
        }
        OutputStream o = out();
        Fix.RatioHelper.__write(o, d("0.12345"));
        check(Fix.RatioHelper.__read(o.create_input_stream()).equals(d("0.12345")), "fixed<5,5>");

        // The octets: digits in nibbles, sign last (C positive, D negative),
        // a leading zero nibble when the digits are even in number.
        o = out();
        Fix.MoneyHelper.__write(o, d("-123.45"));
        InputStream in = o.create_input_stream();
        int[] octets = {0x00, 0x00, 0x12, 0x34, 0x5D};
        for (int i = 0; i < octets.length; i++)
            check((in.read_octet() & 0xFF) == octets[i], "packed decimal octet " + i);
        o = out();
        Fix.RatioHelper.__write(o, d("0.5"));
        in = o.create_input_stream();
        int[] ratio = {0x50, 0x00, 0x0C};
        for (int i = 0; i < ratio.length; i++)
            check((in.read_octet() & 0xFF) == ratio[i], "fixed<5,5> octet " + i);

        // Values that do not fit the digits or the scale.
        String[][] misfits = {{"Money", "12345678.9"}, {"Money", "0.001"}, {"Ratio", "1"},
                              {"Big", "10000000000000000000000000000000"}};
        for (String[] m : misfits) {
            try {
                o = out();
                if (m[0].equals("Money")) Fix.MoneyHelper.__write(o, d(m[1]));
                else if (m[0].equals("Ratio")) Fix.RatioHelper.__write(o, d(m[1]));
                else Fix.BigHelper.__write(o, d(m[1]));
                check(false, m[1] + " does not fit " + m[0]);
            } catch (DATA_CONVERSION expected) {
            }
        }
        // A boxed fixed-point value, and the null box.
        o = out();
        Fix.TipHelper.__write(o, d("3.5"));
        Fix.TipHelper.__write(o, null);
        in = o.create_input_stream();
        check(Fix.TipHelper.__read(in).equals(d("3.50")), "boxed fixed");
        check(Fix.TipHelper.__read(in) == null, "null boxed fixed");
        // A bad digit nibble on the wire is MARSHAL.
        o = out();
        o.write_octet((byte) 0x1A);
        o.write_octet((byte) 0x2C);
        try {
            o.create_input_stream().read_fixed((short) 3, (short) 0);
            check(false, "bad digit");
        } catch (MARSHAL expected) {
        }
    }

    static void containers() {
        Fix.Account a = new Fix.Account("ann", d("10.25"), d("0.50"), new BigDecimal[] {d("1"), d("-2.5")});
        OutputStream o = out();
        Fix.AccountHelper.__write(o, a);
        Fix.Account b = Fix.AccountHelper.__read(o.create_input_stream());
        check(b.balance.equals(d("10.25")) && b.fee.equals(d("0.50")), "struct members");
        check(b.history.length == 2 && b.history[1].equals(d("-2.50")), "sequence of Money");

        Fix.Entry e = new Fix.Entry();
        e.m(d("3.10"));
        o = out();
        Fix.EntryHelper.__write(o, e);
        Fix.Entry f = Fix.EntryHelper.__read(o.create_input_stream());
        check(f.discriminator() == 1 && f.m().equals(d("3.10")), "union branch");

        Any any = ORB.init().create_any();
        Fix.MoneyHelper.insert(any, d("-7.77"));
        check(Fix.MoneyHelper.extract(any).equals(d("-7.77")), "any through the Helper");
        Any copy = ORB.init().create_any();
        o = out();
        o.write_any(any);
        copy = o.create_input_stream().read_any();
        check(Fix.MoneyHelper.extract(copy).equals(d("-7.77")), "any on a stream");
        try {
            TypeCode t = Fix.MoneyHelper.type();
            check(t.kind() == TCKind.tk_alias && t.content_type().kind() == TCKind.tk_fixed, "alias of tk_fixed");
            check(t.content_type().fixed_digits() == 9 && t.content_type().fixed_scale() == 2, "digits and scale");
            TypeCode fee = Fix.AccountHelper.type().member_type(2);
            check(fee.kind() == TCKind.tk_fixed && fee.fixed_digits() == 4 && fee.fixed_scale() == 2, "member fixed<4,2>");
        } catch (org.omg.CORBA.TypeCodePackage.BadKind | org.omg.CORBA.TypeCodePackage.Bounds ex) {
            check(false, "type codes: " + ex);
        }
        check(Fix.Rate.value.equals(d("12.50")) && Fix.Neg.value.equals(d("-0.5")), "fixed constants");
        check(Fix.Cap.value.equals(d("1234567.89")), "constant of a fixed typedef");
    }

    static class TellerServant extends Fix._TellerImplBase {
        BigDecimal rate = d("0.00000");
        BigDecimal balance = d("100.00");

        public BigDecimal deposit(BigDecimal amount, Fix.MoneyHolder before, Fix.BigHolder total)
                throws Fix.Overdrawn {
            if (amount.add(balance).signum() < 0) throw new Fix.Overdrawn(amount.add(balance).negate());
            before.value = balance;
            balance = balance.add(amount);
            total.value = total.value.add(BigDecimal.ONE);
            return balance;
        }

        public BigDecimal rate() { return rate; }
        public void rate(BigDecimal v) { rate = v; }
        public Fix.Account get(Fix.Account a) { return a; }
        public BigDecimal lone(BigDecimal l, BigDecimal[] p) { return l.add(p[0]).add(p[1]); }
    }

    static ORB server;
    static ORB client;

    static org.omg.CORBA.portable.Delegate ref(org.omg.CORBA.portable.ObjectImpl servant) {
        server.connect(servant);
        String ior = server.object_to_string(servant);
        return ((org.omg.CORBA.portable.ObjectImpl) client.string_to_object(ior))._get_delegate();
    }

    static void calls() {
        Fix.Teller t = new Fix._TellerStub(ref(new TellerServant()));
        Fix.MoneyHolder before = new Fix.MoneyHolder();
        Fix.BigHolder total = new Fix.BigHolder(d("9999999999999999999999999999998"));
        try {
            check(t.deposit(d("0.5"), before, total).equals(d("100.50")), "fixed result");
            check(before.value.equals(d("100.00")), "fixed out");
            check(total.value.equals(d("9999999999999999999999999999999")), "fixed inout at 31 digits");
            t.deposit(d("-200"), before, total);
            check(false, "exception with a fixed member");
        } catch (Fix.Overdrawn e) {
            check(e.missing.equals(d("99.50")), "exception with a fixed member");
        }
        t.rate(d("0.03125"));
        check(t.rate().equals(d("0.03125")), "fixed attribute");
        Fix.Account a = t.get(new Fix.Account("bo", d("-1.00"), d("99.99"), new BigDecimal[0]));
        check(a.fee.equals(d("99.99")) && a.balance.equals(d("-1.00")), "struct of fixed through a call");
        check(t.lone(d("1.5"), new BigDecimal[] {d("2.5"), d("-0.5")}).equals(d("3.5")),
              "typedef of a fixed array and a fixed");
        try {
            t.rate(d("1.5"));
            check(false, "a value that does not fit, passed in");
        } catch (DATA_CONVERSION expected) {
        }
    }

    public static void main(String[] args) {
        streams();
        containers();
        java.util.Properties props = new java.util.Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        props.setProperty("vemo.harl.port", "0");
        server = ORB.init(new String[0], props);
        client = server;
        calls();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBReplyTimeout", "30000"}, null);
        calls();
        client.destroy();
        server.destroy();
        if (failures > 0) {
            System.out.println(failures + " of " + checks + " checks failed");
            System.exit(1);
        }
        System.out.println("fixed values: " + checks + " checks passed");
    }
}

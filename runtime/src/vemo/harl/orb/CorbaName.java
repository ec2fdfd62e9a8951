package vemo.harl.orb;

import java.util.ArrayList;
import java.util.List;

import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.ObjectImpl;
import org.omg.CORBA.portable.OperationDescriptor;
import org.omg.CORBA.portable.OutputStream;
import org.omg.CORBA.portable.Streamable;

// corbaname: URLs: a naming context given as a corbaloc address (the key
// NameService unless one is given) and a stringified name after '#',
// resolved by calling the context's resolve operation.
//   corbaname:iiop:host:port#dir/obj.kind      corbaname:rir:#name
final class CorbaName {
    private CorbaName() { }

    private static BAD_PARAM bad(String why) {
        return new BAD_PARAM(why, 0, CompletionStatus.COMPLETED_NO);
    }

    // A CosNaming::Name as a holder the descriptor can name.
    public static final class NameHolder implements Streamable {
        public String[][] value = new String[0][];

        public NameHolder() {
        }

        public void __write(OutputStream out) {
            out.write_ulong(value.length);
            for (String[] c : value) {
                out.write_string(c[0]);
                out.write_string(c[1]);
            }
        }

        public void __read(InputStream in) {
            throw new org.omg.CORBA.NO_IMPLEMENT("names are only sent", 0, CompletionStatus.COMPLETED_NO);
        }

        public org.omg.CORBA.TypeCode __type() {
            return org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_null);
        }
    }

    // Any of the naming context's user exceptions: its body is not read.
    public static final class Refusal implements Streamable {
        public void __write(OutputStream out) {
        }

        public void __read(InputStream in) {
        }

        public org.omg.CORBA.TypeCode __type() {
            return org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_null);
        }
    }

    private static final OperationDescriptor RESOLVE = new OperationDescriptor(
        "resolve", new int[] {0xe, 0x13 | OperationDescriptor.IN}, new Class[] {null, NameHolder.class},
        new String[] {"IDL:omg.org/CosNaming/NamingContext/NotFound:1.0",
                      "IDL:omg.org/CosNaming/NamingContext/CannotProceed:1.0",
                      "IDL:omg.org/CosNaming/NamingContext/InvalidName:1.0"},
        new Class[] {Refusal.class, Refusal.class, Refusal.class}, false);

    // The components of a stringified name: id.kind separated by '/',
    // '\' escaping the next character.
    static String[][] parseName(String s) {
        List<String[]> v = new ArrayList<>();
        StringBuilder id = new StringBuilder(), kind = new StringBuilder();
        StringBuilder cur = id;
        boolean sawDot = false;
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            if (c == '\\') {
                if (++i >= s.length()) throw bad("name ends with an escape");
                cur.append(s.charAt(i));
            } else if (c == '/') {
                v.add(new String[] {id.toString(), kind.toString()});
                id = new StringBuilder();
                kind = new StringBuilder();
                cur = id;
                sawDot = false;
            } else if (c == '.' && !sawDot) {
                sawDot = true;
                cur = kind;
            } else {
                cur.append(c);
            }
        }
        v.add(new String[] {id.toString(), kind.toString()});
        for (String[] c : v) if (c[0].isEmpty() && c[1].isEmpty()) throw bad("empty name component in " + s);
        return v.toArray(new String[0][]);
    }

    static org.omg.CORBA.Object resolve(FullORB orb, String url) {
        String rest = url.substring("corbaname:".length());
        int hash = rest.indexOf('#');
        String where = hash < 0 ? rest : rest.substring(0, hash);
        String name = hash < 0 ? "" : new String(vemo.harl.ior.IOR.unescapeKey(rest.substring(hash + 1)),
                                                 java.nio.charset.StandardCharsets.UTF_8);
        org.omg.CORBA.Object context;
        if (where.regionMatches(true, 0, "rir:", 0, 4)) {
            String n = where.substring(4);
            if (n.startsWith("/")) n = n.substring(1);
            context = orb.string_to_object("corbaloc:rir:/" + (n.isEmpty() ? "NameService" : n));
        } else {
            context = orb.string_to_object("corbaloc:" + (where.contains("/") ? where : where + "/NameService"));
        }
        if (name.isEmpty()) return context;
        if (!(context instanceof ObjectImpl)) throw bad("no naming context at " + where);
        NameHolder h = new NameHolder();
        h.value = parseName(name);
        java.lang.Object[] o = new java.lang.Object[2];
        o[1] = h;
        java.lang.Object raised = ((ObjectImpl) context)._invoke(RESOLVE, new long[2], o);
        if (raised != null) throw bad("the naming service cannot resolve " + name);
        return (org.omg.CORBA.Object) o[0];
    }
}

package itest;

import static itest.InteropValues.check;
import static itest.InteropValues.checks;
import static itest.InteropValues.failures;
import static itest.InteropValues.same;

import CosNaming.Binding;
import CosNaming.BindingIteratorHolder;
import CosNaming.BindingListHolder;
import CosNaming.BindingType;
import CosNaming.NameComponent;
import CosNaming.NamingContext;
import CosNaming.NamingContextExt;
import CosNaming.NamingContextExtHelper;
import CosNaming.NamingContextHelper;
import CosNaming.NamingContextPackage.NotFound;
import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import org.omg.CORBA.ORB;

// The naming-service test, on Java generated from CosNaming.idl: against a
// running omniNames, binds a context and a Tester served here, resolves and
// lists them, lets a C++ client find the Tester by name, then unbinds.
//
//   NamingTest NAMESERVICE-URL [key=value ...] [-ORB... options]
//
// The root context is the initial reference NameService (set by the
// driver to the same URL), and NAMESERVICE-URL read by string_to_object
// must reach the same service.
//
// After binding it prints "bound interop/tester" and waits for a line on
// standard input (the driver runs the C++ client meanwhile, then writes
// "done"); prints "naming: N checks, M failed".
public final class NamingTest {
    static NameComponent[] name(String... parts) {
        NameComponent[] n = new NameComponent[parts.length];
        for (int i = 0; i < parts.length; i++) {
            int dot = parts[i].indexOf('.');
            n[i] = dot < 0 ? new NameComponent(parts[i], "") : new NameComponent(parts[i].substring(0, dot),
                                                                                 parts[i].substring(dot + 1));
        }
        return n;
    }

    static List<String> names(Binding[] list) {
        List<String> out = new ArrayList<>();
        for (Binding b : list) {
            StringBuilder s = new StringBuilder();
            for (NameComponent c : b.binding_name) s.append(c.id).append(c.kind.isEmpty() ? "" : "." + c.kind);
            s.append(b.binding_type == BindingType.ncontext ? "/" : "");
            out.add(s.toString());
        }
        java.util.Collections.sort(out);
        return out;
    }

    public static void main(String[] args) throws Exception {
        Properties props = new Properties();
        List<String> orbArgs = new ArrayList<>();
        for (int i = 1; i < args.length; i++) {
            String a = args[i];
            if (!a.startsWith("-") && a.indexOf('=') > 0)
                props.setProperty(a.substring(0, a.indexOf('=')), a.substring(a.indexOf('=') + 1));
            else orbArgs.add(a);
        }
        ORB orb = ORB.init(orbArgs.toArray(new String[0]), props);
        InteropServer.orb = orb;
        int status = 1;
        try {
            NamingContextExt root = NamingContextExtHelper.narrow(orb.resolve_initial_references("NameService"));
            check(root != null, "the naming service's root context does not narrow");
            NamingContextExt byUrl = NamingContextExtHelper.narrow(orb.string_to_object(args[0]));

            NamingContext ctx = root.bind_new_context(name("interop"));
            InteropServer.TesterServant tester = new InteropServer.TesterServant();
            orb.connect(tester);
            ctx.bind(name("tester"), tester);
            root.bind(name("interop", "peer.obj"), InteropServer.newPeer("named"));
            try {
                root.bind(name("interop", "tester"), tester);
                check(false, "binding a bound name again raised nothing");
            } catch (CosNaming.NamingContextPackage.AlreadyBound e) {
                check(true, "");
            }

            // Resolved by path, by the context, and by a stringified name.
            Interop.Tester t = Interop.TesterHelper.narrow(root.resolve(name("interop", "tester")));
            same(t.ping(1), 2, "the resolved tester's ping");
            same(t.name(), "tester", "the resolved tester's name");
            Interop.Peer p = Interop.PeerHelper.narrow(root.resolve_str("interop/peer.obj"));
            same(p.name(), "named", "the peer resolved by a stringified name");
            NamingContext again = NamingContextHelper.narrow(root.resolve(name("interop")));
            same(Interop.TesterHelper.narrow(again.resolve(name("tester"))).ping(2), 3,
                 "the tester resolved through its context");
            same(root.to_string(name("interop", "peer.obj")), "interop/peer.obj", "to_string");
            same(Interop.TesterHelper.narrow(byUrl.resolve_str("interop/tester")).ping(3), 4,
                 "the tester resolved through the service's URL");

            // Listed: two bindings, one at a time through the iterator.
            BindingListHolder list = new BindingListHolder();
            BindingIteratorHolder it = new BindingIteratorHolder();
            ctx.list(1, list, it);
            List<String> seen = names(list.value);
            check(list.value.length == 1 && it.value != null, "list(1) gave " + list.value.length + " and "
                                                              + (it.value == null ? "no iterator" : "an iterator"));
            if (it.value != null) {
                BindingListHolder more = new BindingListHolder();
                while (it.value.next_n(5, more)) seen.addAll(names(more.value));
                it.value.destroy();
            }
            java.util.Collections.sort(seen);
            same(String.join(" ", seen), "peer.obj tester", "the context's bindings");
            root.list(10, list, it);
            check(names(list.value).contains("interop/"), "the root does not list interop/: " + names(list.value));

            System.out.println("reference: " + orb.object_to_string(tester));
            System.out.println("bound interop/tester");
            System.out.flush();
            String line = new BufferedReader(new InputStreamReader(System.in)).readLine();
            check("done".equals(line), "the driver said " + line);

            // Unbound: resolving fails with NotFound.
            ctx.unbind(name("tester"));
            ctx.unbind(name("peer.obj"));
            try {
                root.resolve(name("interop", "tester"));
                check(false, "resolving an unbound name raised nothing");
            } catch (NotFound e) {
                check(true, "");
            }
            ctx.list(10, list, it);
            same(list.value.length, 0, "bindings left after unbinding");
            root.unbind(name("interop"));
            ctx.destroy();
            System.out.println("naming: " + checks + " checks, " + failures + " failed");
            status = failures == 0 ? 0 : 1;
        } catch (Exception | Error e) {
            System.out.println("FAILED: " + e);
            e.printStackTrace(System.out);
        } finally {
            System.out.flush();
            Runtime.getRuntime().halt(status);
        }
    }
}

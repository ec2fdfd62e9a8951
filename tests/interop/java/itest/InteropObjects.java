package itest;

import static itest.InteropValues.check;

import Interop.*;
import java.io.Serializable;
import org.omg.CORBA.Any;
import org.omg.CORBA.ORB;
import org.omg.CORBA.portable.ValueFactory;

// The value types of interop.idl as both Java sides implement them, their
// factories, and the checks of the values the tests exchange (peer.cc
// makes and checks the same).  No factory of VDerived is registered: a
// VDerived arrives truncated to VBase.
public final class InteropObjects {
    private InteropObjects() {
    }

    static final class NodeImpl extends VNode {
        NodeImpl() {
        }

        NodeImpl(int id, String label) {
            this.id = id;
            this.label = label;
        }

        String label() {
            return label;
        }
    }

    static final class DerivedImpl extends VDerived {
        DerivedImpl(String name, int extra) {
            this.name = name;
            this.extra = extra;
        }

        public int twice() {
            return 2 * extra;
        }
    }

    static final class NamedValueImpl extends VNamedValue {
        NamedValueImpl() {
        }

        NamedValueImpl(String text) {
            this.text = text;
        }

        public String nm() {
            return text;
        }
    }

    static final class NamedRefServant extends _NamedObjectImplBase {
        final String name;

        NamedRefServant(String name) {
            this.name = name;
        }

        public String nm() {
            return name;
        }
    }

    static void registerFactories(ORB orb) {
        orb.register_value_factory(VNodeHelper.id(), new ValueFactory() {
            public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
                return in.read_value(new NodeImpl());
            }
        });
        orb.register_value_factory(VNamedValueHelper.id(), new ValueFactory() {
            public Serializable read_value(org.omg.CORBA_2_3.portable.InputStream in) {
                return in.read_value(new NamedValueImpl());
            }
        });
    }

    static String label(VNode n) {
        return n instanceof NodeImpl ? ((NodeImpl) n).label() : "?";
    }

    // One node in both fields, a cycle of two nodes.
    static VPair sharedCycle() {
        NodeImpl one = new NodeImpl(1, "one"), two = new NodeImpl(2, "two");
        one.next = two;
        two.next = one;
        return new VPair(one, one);
    }

    static void checkSharedCycle(VPair p, String where) {
        check(p != null && p.first != null && p.first == p.second, where + ": one node in both fields");
        if (p == null || p.first == null) return;
        VNode one = p.first, two = one.next;
        check(one.id == 1 && label(one).equals("one") && two != null && two.id == 2 && label(two).equals("two")
                  && two.next == one, where + ": the cycle 1 -> 2 -> 1");
    }

    static VNode selfNode() {
        NodeImpl three = new NodeImpl(3, "three");
        three.next = three;
        return three;
    }

    static void checkSelfNode(VNode n, String where) {
        check(n != null && n.id == 3 && label(n).equals("three") && n.next == n, where + ": node 3, its own next");
    }

    static VBase derived(String name, int extra) {
        return new DerivedImpl(name, extra);
    }

    static void checkTruncated(VBase v, String name, String where) {
        check(v != null && !(v instanceof VDerived) && name.equals(v.name), where + ": truncated to VBase " + name);
    }

    static Any nodeAny(ORB orb) {
        Any a = orb.create_any();
        VNodeHelper.insert(a, new NodeImpl(5, "any"));
        return a;
    }

    static void checkNodeAny(Any a, String where) {
        try {
            VNode n = VNodeHelper.extract(a);
            check(n.id == 5 && label(n).equals("any") && n.next == null, where + ": VNode 5 in the any");
        } catch (RuntimeException e) {
            check(false, where + ": " + e);
        }
    }

    static Any baseAny(ORB orb) {
        Any a = orb.create_any();
        VBase b = new VBase() { };
        b.name = "from-any";
        VBaseHelper.insert(a, b);
        return a;
    }

    static void checkBaseAny(Any a, String where) {
        try {
            check(VBaseHelper.extract(a).name.equals("from-any"), where + ": VBase in the any");
        } catch (RuntimeException e) {
            check(false, where + ": " + e);
        }
    }

    // An abstract interface: a reference (an object, nm() as given) or a
    // value (a VNamedValue, text as given).
    static void checkNamedRef(VNamed n, String name, String where) {
        check(n instanceof org.omg.CORBA.Object && name.equals(n.nm()), where + ": a reference, nm() " + name);
    }

    static void checkNamedValue(VNamed n, String text, String where) {
        check(n instanceof VNamedValue && text.equals(((VNamedValue) n).text) && text.equals(n.nm()),
              where + ": a value, text " + text);
    }
}

import org.omg.CORBA.Any;
import org.omg.CORBA.ORB;
import org.omg.CORBA.TCKind;
import org.omg.CORBA.TypeCode;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// The type codes of recursive types: each Helper's type() ends, describes
// the type with itself inside, travels through a stream, and carries a
// value in an any.
public class RecursiveRoundTrip {
    private static int failures = 0;

    private static void check(boolean ok, String what) {
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    private static RT.Tree tree(String label, RT.Tree... kids) {
        return new RT.Tree(label, kids);
    }

    private static boolean same(RT.Tree a, RT.Tree b) {
        if (!a.label.equals(b.label) || a.kids.length != b.kids.length) return false;
        for (int i = 0; i < a.kids.length; i++)
            if (!same(a.kids[i], b.kids[i])) return false;
        return true;
    }

    private static TypeCode throughStream(TypeCode tc) {
        OutputStream out = ORB.init().create_output_stream();
        out.write_TypeCode(tc);
        return out.create_input_stream().read_TypeCode();
    }

    private static void typeCodes() throws Exception {
        TypeCode tree = RT.TreeHelper.type();
        check(tree.kind() == TCKind.tk_struct && tree.member_count() == 2, "Tree's type code is a struct of two");
        TypeCode kids = tree.member_type(1);
        check(kids.kind() == TCKind.tk_sequence, "Tree.kids is a sequence");
        check(kids.content_type().id().equals(RT.TreeHelper.id()), "Tree.kids holds Trees");
        check(kids.content_type().member_type(1).kind() == TCKind.tk_sequence, "the inner Tree is the whole Tree");
        check(RT.TreeHelper.type() == tree, "the type code is made once");

        TypeCode back = throughStream(tree);
        check(back.equal(tree), "Tree's type code through a stream");
        check(back.member_type(1).content_type().id().equals(RT.TreeHelper.id()), "the read type code is recursive");

        TypeCode expr = RT.ExprHelper.type();
        check(expr.kind() == TCKind.tk_union && expr.member_count() == 2, "Expr's type code is a union of two");
        check(expr.member_type(1).content_type().id().equals(RT.ExprHelper.id()), "Expr.args holds Exprs");
        check(throughStream(expr).equal(expr), "Expr's type code through a stream");

        TypeCode outer = RT.OuterHelper.type();
        TypeCode inner = outer.member_type(1);
        check(inner.kind() == TCKind.tk_union, "Outer.part is a union");
        check(inner.member_type(0).content_type().id().equals(RT.OuterHelper.id()), "Outer's union holds Outers");
        check(throughStream(outer).equal(outer), "Outer's type code through a stream");

        TypeCode forest = RT.ForestHelper.type();
        check(forest.member_type(0).content_type().equal(tree), "Forest holds the Tree type code");
    }

    private static void anys() {
        RT.Tree t = tree("root", tree("a"), tree("b", tree("c")));
        Any a = ORB.init().create_any();
        RT.TreeHelper.insert(a, t);
        check(a.type().equal(RT.TreeHelper.type()), "an any holding a Tree has Tree's type code");
        OutputStream out = ORB.init().create_output_stream();
        out.write_any(a);
        InputStream in = out.create_input_stream();
        Any b = in.read_any();
        check(in.available() == 0, "reading the any consumes what was written");
        check(same(RT.TreeHelper.extract(b), t), "a Tree through an any");

        RT.Expr leaf = new RT.Expr();
        leaf.leaf(7);
        RT.Expr sum = new RT.Expr();
        sum.args(new RT.Expr[] {leaf, leaf});
        Any e = ORB.init().create_any();
        RT.ExprHelper.insert(e, sum);
        OutputStream eout = ORB.init().create_output_stream();
        eout.write_any(e);
        RT.Expr got = RT.ExprHelper.extract(eout.create_input_stream().read_any());
        check(got.discriminator() == 2 && got.args().length == 2 && got.args()[1].leaf() == 7, "an Expr through an any");
    }

    public static void main(String[] args) throws Exception {
        typeCodes();
        anys();
        if (failures > 0) {
            System.out.println(failures + " checks failed");
            System.exit(1);
        }
        System.out.println("recursive round trip: ok");
    }
}

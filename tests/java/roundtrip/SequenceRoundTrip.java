import org.omg.CORBA.MARSHAL;
import org.omg.CORBA.portable.InputStream;
import org.omg.CORBA.portable.OutputStream;

// Writes sequences and arrays through the generated marshal methods and
// reads them back.
public class SequenceRoundTrip {
    private static int failures = 0;

    private static void check(boolean ok, String what) {
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    private interface Action {
        void run();
    }

    private static void throwsMarshal(Action a, String what) {
        try {
            a.run();
            check(false, what + " throws MARSHAL");
        } catch (MARSHAL expected) {
        }
    }

    private static void bounds() {
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.SmallHelper.__write(out, new int[] {1, 2, 3});
        int[] back = SQ.SmallHelper.__read(out.create_input_stream());
        check(java.util.Arrays.equals(back, new int[] {1, 2, 3}), "bounded sequence at its bound");

        OutputStream over = org.omg.CORBA.ORB.init().create_output_stream();
        throwsMarshal(() -> SQ.SmallHelper.__write(over, new int[] {1, 2, 3, 4}), "writing over the bound");
        check(((vemo.harl.cdr.CDROutputStream) over).size() == 0, "nothing is written before the bound check");

        // Four elements on the wire, as another writer might send them.
        OutputStream four = org.omg.CORBA.ORB.init().create_output_stream();
        four.write_long(4);
        for (int i = 0; i < 4; i++) four.write_long(i);
        throwsMarshal(() -> SQ.SmallHelper.__read(four.create_input_stream()), "reading over the bound");

        // A length no data follows, as a hostile peer might send it: refused
        // before anything that large is allocated.
        for (int length : new int[] {Integer.MAX_VALUE, 1 << 28, -1, 5}) {
            OutputStream lie = org.omg.CORBA.ORB.init().create_output_stream();
            lie.write_long(length);
            lie.write_long(1);
            throwsMarshal(() -> SQ.WordsHelper.__read(lie.create_input_stream()), "a length of " + length + " beyond the data");
            throwsMarshal(() -> SQ.HandHelper.__read(lie.create_input_stream()), "a length of " + length + " beyond the data (structs)");
            throwsMarshal(() -> SQ.TableHelper.__read(lie.create_input_stream()), "a length of " + length + " beyond the data (nested)");
        }

        OutputStream pair = org.omg.CORBA.ORB.init().create_output_stream();
        throwsMarshal(() -> SQ.PairHelper.__write(pair, new int[][] {{1}, {2}, {3}}), "outer bound of a nested typedef");
        throwsMarshal(() -> SQ.PairHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), new int[][] {{1, 2, 3, 4}}),
                      "inner bound of a nested typedef");

        throwsMarshal(() -> SQ.GridHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), new int[3][3]), "array of the wrong length");
        throwsMarshal(() -> SQ.GridHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), new int[][] {{1, 2, 3}, {4, 5}}),
                      "inner array of the wrong length");
    }

    private static void nesting() {
        short[][] table = {{1, 2}, {}, {3}};
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.TableHelper.__write(out, table);
        InputStream in = out.create_input_stream();
        short[][] t = SQ.TableHelper.__read(in);
        check(in.available() == 0, "nested sequence read consumes what was written");
        check(t.length == 3 && t[0].length == 2 && t[1].length == 0 && t[2][0] == 3 && t[0][1] == 2,
              "sequence of sequences");

        int[][] grid = {{1, 2, 3}, {4, 5, 6}};
        OutputStream gout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.GridHelper.__write(gout, grid);
        check(((vemo.harl.cdr.CDROutputStream) gout).size() == 6 * 4, "an array writes no length");
        int[][] g = SQ.GridHelper.__read(gout.create_input_stream());
        check(java.util.Arrays.deepEquals(g, grid), "two-dimensional array");

        int[][][] grids = {grid, {{7, 8, 9}, {10, 11, 12}}};
        OutputStream gsout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.GridsHelper.__write(gsout, grids);
        check(java.util.Arrays.deepEquals(SQ.GridsHelper.__read(gsout.create_input_stream()), grids),
              "sequence of arrays through a typedef");

        int[][] smalls = {{1}, {2, 3}};
        OutputStream sout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.SmallsHelper.__write(sout, smalls);
        check(java.util.Arrays.deepEquals(SQ.SmallsHelper.__read(sout.create_input_stream()), smalls),
              "sequence of a sequence typedef");
        OutputStream pout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.PairHelper.__write(pout, smalls);
        check(java.util.Arrays.deepEquals(SQ.PairHelper.__read(pout.create_input_stream()), smalls),
              "sequence of a typedef of a sequence typedef");
    }

    private static void elements() {
        org.omg.CORBA.Any a = org.omg.CORBA.ORB.init().create_any();
        a.insert_long(5);
        org.omg.CORBA.Any b = org.omg.CORBA.ORB.init().create_any();
        b.insert_long(6);
        OutputStream aout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.AnysHelper.__write(aout, new org.omg.CORBA.Any[] {a, b});
        org.omg.CORBA.Any[] anys = SQ.AnysHelper.__read(aout.create_input_stream());
        check(anys.length == 2 && anys[0].extract_long() == 5 && anys[1].extract_long() == 6, "sequence of any");

        OutputStream wout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.WordsHelper.__write(wout, new String[] {"one", "", "thr\u00e9e"});
        String[] words = SQ.WordsHelper.__read(wout.create_input_stream());
        check(words.length == 3 && words[2].equals("thr\u00e9e") && words[1].isEmpty(), "sequence of strings");

        OutputStream eout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.SuitsHelper.__write(eout, new SQ.Suit[] {SQ.Suit.HEARTS, SQ.Suit.CLUBS});
        SQ.Suit[] suits = SQ.SuitsHelper.__read(eout.create_input_stream());
        check(suits.length == 2 && suits[0] == SQ.Suit.HEARTS && suits[1] == SQ.Suit.CLUBS, "sequence of enums");

        SQ.Card[] cards = {new SQ.Card(SQ.Suit.HEARTS, (short) 12), new SQ.Card(SQ.Suit.CLUBS, (short) 1)};
        OutputStream hout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.HandHelper.__write(hout, cards);
        SQ.Card[] hand = SQ.HandHelper.__read(hout.create_input_stream());
        check(hand.length == 2 && hand[0].rank == 12 && hand[1].suit == SQ.Suit.CLUBS, "sequence of structs");

        OutputStream tout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.AliasHandHelper.__write(tout, cards);
        SQ.Card[] aliased = SQ.AliasHandHelper.__read(tout.create_input_stream());
        check(aliased.length == 2 && aliased[0].suit == SQ.Suit.HEARTS, "sequence of a struct typedef");

        OutputStream rout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.RowHelper.__write(rout, cards);
        check(SQ.RowHelper.__read(rout.create_input_stream())[1].rank == 1, "array of structs");
    }

    private static void members() {
        SQ.Deck d = new SQ.Deck(new int[] {7},
                                new SQ.Card[][] {{new SQ.Card(SQ.Suit.CLUBS, (short) 2), new SQ.Card(SQ.Suit.HEARTS, (short) 3)},
                                                 {new SQ.Card(SQ.Suit.HEARTS, (short) 4), new SQ.Card(SQ.Suit.CLUBS, (short) 5)}},
                                new String[][] {{"x", "y"}, {"z"}}, new int[][] {{1, 2, 3}, {4, 5, 6}},
                                new SQ.Card[] {new SQ.Card(SQ.Suit.HEARTS, (short) 9)});
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.DeckHelper.__write(out, d);
        InputStream in = out.create_input_stream();
        SQ.Deck r = SQ.DeckHelper.__read(in);
        check(in.available() == 0, "struct read consumes what was written");
        check(r.top.length == 1 && r.top[0] == 7, "bounded sequence member");
        check(r.cards[1][1].rank == 5 && r.cards[0][1].suit == SQ.Suit.HEARTS, "two-dimensional array member");
        check(r.names[1][0].equals("z") && r.names[0].length == 2, "nested sequence member");
        check(r.g[1][2] == 6, "array typedef member");
        check(r.hand[0].rank == 9, "sequence typedef member");

        d.names = new String[][] {{"a", "b", "c"}};
        throwsMarshal(() -> SQ.DeckHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), d), "inner bound of a member");

        SQ.Broken e = new SQ.Broken(new String[] {"why"}, new byte[] {1, 2});
        OutputStream eout = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.BrokenHelper.__write(eout, e);
        SQ.Broken back = SQ.BrokenHelper.__read(eout.create_input_stream());
        check(back.why[0].equals("why") && back.code[1] == 2, "exception with sequence and array members");
    }

    private static void holdersAndAnys() {
        SQ.WordsHolder h = new SQ.WordsHolder(new String[] {"p", "q"});
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        h.__write(out);
        SQ.WordsHolder back = new SQ.WordsHolder();
        check(back.value == null, "sequence holder starts empty");
        back.__read(out.create_input_stream());
        check(back.value.length == 2 && back.value[1].equals("q"), "sequence holder round trip");

        SQ.GridHolder gh = new SQ.GridHolder(new int[][] {{1, 2, 3}, {4, 5, 6}});
        OutputStream gout = org.omg.CORBA.ORB.init().create_output_stream();
        gh.__write(gout);
        SQ.GridHolder gback = new SQ.GridHolder();
        gback.__read(gout.create_input_stream());
        check(gback.value[1][0] == 4, "array holder round trip");

        org.omg.CORBA.Any any = org.omg.CORBA.ORB.init().create_any();
        SQ.SmallHelper.insert(any, new int[] {4, 5});
        check(any.type() == SQ.SmallHelper.type(), "insert sets the type code");
        int[] got = SQ.SmallHelper.extract(any);
        check(got.length == 2 && got[1] == 5, "any round trip of a sequence typedef");

        org.omg.CORBA.TypeCode tc = SQ.SmallHelper.type();
        check(tc.kind() == org.omg.CORBA.TCKind.tk_alias && tc.name().equals("Small"), "alias type code");
        check(tc.content_type().kind() == org.omg.CORBA.TCKind.tk_sequence && tc.content_type().length() == 3,
              "bounded sequence type code");
        check(SQ.WordsHelper.type().content_type().length() == 0
                  && SQ.WordsHelper.type().content_type().content_type().kind() == org.omg.CORBA.TCKind.tk_string,
              "unbounded sequence type code");
        org.omg.CORBA.TypeCode grid = SQ.GridHelper.type().content_type();
        check(grid.kind() == org.omg.CORBA.TCKind.tk_array && grid.length() == 2
                  && grid.content_type().length() == 3, "array type code");
        check(SQ.DeckHelper.type().member_type(1).kind() == org.omg.CORBA.TCKind.tk_array,
              "array member type code");
    }

    private static void unions() {
        SQ.Choice a = new SQ.Choice();
        a.nested(new String[][] {{"n"}, {}});
        SQ.Choice b = new SQ.Choice();
        b.cells(new int[][] {{1, 2}, {3, 4}});
        SQ.Choice c = new SQ.Choice();
        c.small(new int[] {9});
        OutputStream out = org.omg.CORBA.ORB.init().create_output_stream();
        SQ.ChoicesHelper.__write(out, new SQ.Choice[] {a, b, c});
        InputStream in = out.create_input_stream();
        SQ.Choice[] r = SQ.ChoicesHelper.__read(in);
        check(in.available() == 0, "sequence of unions read consumes what was written");
        check(r[0].nested()[0][0].equals("n") && r[0].nested()[1].length == 0, "union branch of nested sequences");
        check(r[1].cells()[1][0] == 3, "union branch of a two-dimensional array");
        check(r[2].small()[0] == 9, "union branch of a sequence typedef");

        SQ.Choice over = new SQ.Choice();
        over.small(new int[] {1, 2, 3, 4});
        throwsMarshal(() -> SQ.ChoiceHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), over), "union branch over its bound");
        SQ.Choice wrong = new SQ.Choice();
        wrong.cells(new int[][] {{1, 2}});
        throwsMarshal(() -> SQ.ChoiceHelper.__write(org.omg.CORBA.ORB.init().create_output_stream(), wrong), "union array branch of the wrong length");
    }

    public static void main(String[] args) {
        bounds();
        nesting();
        elements();
        members();
        holdersAndAnys();
        unions();
        if (failures > 0) {
            System.out.println(failures + " check(s) failed");
            System.exit(1);
        }
        System.out.println("sequence round trip passed");
    }
}

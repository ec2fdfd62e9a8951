package org.quorvex.maven;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.attribute.FileTime;
import java.util.List;
import java.util.Set;

import org.apache.maven.plugin.logging.SystemStreamLog;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/** The records of the plugin's runs: staleness by content, executions apart, classes of removed sources. */
class StateTest {
    @TempDir
    Path dir;

    /** Records a run of IDL_NAME that read the IDL file and {@code include} and wrote {@code outputs}. */
    private State.Entry recordRun(State state, String name, Path idl, Path include, List<Path> outputs)
            throws IOException {
        Files.createDirectories(state.root());
        Files.writeString(state.root().resolve(State.RULE_FILE), State.RULE_TARGET + ":  " + idl + "\n");
        StringBuilder list = new StringBuilder();
        for (Path p : outputs) list.append(p).append('\n');
        Files.writeString(state.root().resolve(State.LIST_FILE), list.toString());
        State.Entry entry = state.entry(name);
        entry.record(idl.getParent(), idl, List.of(include));
        return entry;
    }

    @Test
    void stalenessFollowsContentNotTime() throws IOException {
        Path idl = Files.writeString(dir.resolve("bank.idl"), "#include \"money.idl\"\n");
        Path money = Files.writeString(dir.resolve("money.idl"), "module Cash {};\n");
        Path out = Files.writeString(dir.resolve("Out.java"), "class Out {}\n");
        State state = new State(dir.resolve("state/default"));
        recordRun(state, "bank.idl", idl, money, List.of(out));
        SystemStreamLog log = new SystemStreamLog();
        // Each check as a new build makes it: with records read afresh.
        java.util.function.Supplier<State.Entry> entries = () -> new State(state.root()).entry("bank.idl");
        assertFalse(entries.get().isStale(log), "just recorded");

        // Touched, or copied elsewhere with new times: still up to date.
        for (Path p : List.of(idl, money))
            Files.setLastModifiedTime(p, FileTime.fromMillis(Files.getLastModifiedTime(p).toMillis() + 5000));
        assertFalse(entries.get().isStale(log), "a new time with the same content");

        record Case(String what, Path file, String text) { }
        for (Case c : List.of(new Case("the IDL file edited", idl, "#include \"money.idl\"\n// x\n"),
                              new Case("an included file edited, same size", money, "module Cesh {};\n"),
                              new Case("an included file gone", money, null),
                              new Case("a generated file gone", out, null))) {
            String before = Files.readString(c.file());
            if (c.text() == null) Files.delete(c.file());
            else Files.writeString(c.file(), c.text());
            assertTrue(entries.get().isStale(log), c.what());
            Files.writeString(c.file(), before);
            assertFalse(entries.get().isStale(log), c.what() + ", then restored");
        }

        // A record of the former form (time, size, path) is taken as stale.
        Path stamps = state.root().resolve("idl/bank.idl.stamps");
        Files.writeString(stamps, "1700000000.0 22 " + idl + "\n");
        assertTrue(entries.get().isStale(log), "a record of another form");
    }

    @Test
    void executionsSeeEachOthersOutputsOnly() throws IOException {
        Path idl = Files.writeString(dir.resolve("a.idl"), "module A {};\n");
        Path naming = Files.writeString(dir.resolve("n.idl"), "module N {};\n");
        Path a = dir.resolve("out/A/X.java");
        Path n = dir.resolve("out/N/Y.java");
        State first = new State(dir.resolve("state/types"));
        State second = new State(dir.resolve("state/naming"));
        recordRun(first, "a.idl", idl, idl, List.of(a));
        recordRun(second, "n.idl", naming, naming, List.of(n));
        assertEquals(List.of("a.idl"), List.copyOf(first.recordedSources()));
        assertEquals(Set.of(n), first.othersOutputs(Set.of(idl)));
        assertEquals(Set.of(a), second.othersOutputs(Set.of(naming)));
        assertEquals(Set.of(), new State(dir.resolve("elsewhere/x")).othersOutputs(Set.of()), "no records beside it");
        // Another execution's record of a file this one compiles now (a
        // run from the command line, say) is superseded: it protects nothing.
        State cli = new State(dir.resolve("state/default-cli"));
        Path old = dir.resolve("out/A/Old.java");
        recordRun(cli, "a.idl", idl, idl, List.of(a, old));
        assertEquals(Set.of(n), first.othersOutputs(Set.of(idl)));
        assertEquals(Set.of(n, a, old), first.othersOutputs(Set.of()));
    }

    @Test
    void classesOfRemovedSources() throws IOException {
        Path classes = dir.resolve("classes");
        for (String f : List.of("Bank/Account.class", "Bank/Account$1.class", "Bank/Account$Inner$2.class",
                                "Bank/AccountHelper.class", "Bank/AccountHolder.class", "Bank/Accounts.class",
                                "Bank/Account.java.txt", "Top.class", "Top$X.class", "Bank/_AccountStub.class")) {
            Files.createDirectories(classes.resolve(f).getParent());
            Files.writeString(classes.resolve(f), "");
        }
        assertEquals(List.of(classes.resolve("Bank/Account$1.class"), classes.resolve("Bank/Account$Inner$2.class"),
                             classes.resolve("Bank/Account.class"), classes.resolve("Top$X.class"),
                             classes.resolve("Top.class")),
                     ClassFiles.of(classes, List.of(Path.of("Bank/Account.java"), Path.of("Top.java"),
                                                    Path.of("Gone/Z.java"), Path.of("Bank/notes.txt"))));
        assertEquals(List.of(), ClassFiles.of(dir.resolve("none"), List.of(Path.of("Bank/Account.java"))));
    }

    @Test
    void relativeNames() {
        assertEquals("../../../target/generated-sources/idl",
                     GenerateMojo.relativeName(Path.of("/p/src/main/idl"), Path.of("/p/target/generated-sources/idl")));
        assertEquals(".", GenerateMojo.relativeName(Path.of("/p/idl"), Path.of("/p/idl")));
        assertEquals("out", GenerateMojo.relativeName(Path.of("/p/idl"), Path.of("/p/idl/out")));
    }
}

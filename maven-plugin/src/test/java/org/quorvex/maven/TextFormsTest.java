package org.quorvex.maven;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.List;

import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/** The plugin's readers of patterns, make rules and timestamps. */
class TextFormsTest {
    @TempDir
    Path dir;

    @Test
    void patternsAsMavenUsersWriteThem() {
        Patterns idl = new Patterns(List.of("**/*.idl"));
        assertTrue(idl.matches("bank.idl"), "** matches no directory too");
        assertTrue(idl.matches("a/b/c.idl"));
        assertFalse(idl.matches("bank.idl.orig"));
        assertFalse(idl.matches("a/bank.pidl"));

        Patterns top = new Patterns(List.of("*.idl"));
        assertTrue(top.matches("x.idl"));
        assertFalse(top.matches("sub/x.idl"), "* stays within one name");

        Patterns below = new Patterns(List.of("common/"));
        assertTrue(below.matches("common/a.idl"));
        assertTrue(below.matches("common/deep/a.idl"));
        assertFalse(below.matches("commonx/a.idl"));

        Patterns odd = new Patterns(List.of("a+b/(x)?.idl", "./lead/*.idl", "mid/**/end.idl"));
        assertTrue(odd.matches("a+b/(x)1.idl"), "regular-expression characters are plain");
        assertFalse(odd.matches("aab/(x)1.idl"));
        assertTrue(odd.matches("lead/y.idl"));
        assertTrue(odd.matches("mid/end.idl"));
        assertTrue(odd.matches("mid/p/q/end.idl"));
        assertFalse(new Patterns(List.of()).matches("x.idl"));
    }

    @Test
    void selectionIsSortedRelativeAndHonoursExcludes() throws IOException {
        for (String f : List.of("z.idl", "a/b.idl", "a/skip.idl", "notes.txt", "a/c/d.idl"))
            Files.createDirectories(dir.resolve(f).getParent());
        for (String f : List.of("z.idl", "a/b.idl", "a/skip.idl", "notes.txt", "a/c/d.idl"))
            Files.writeString(dir.resolve(f), "");
        Files.createDirectories(dir.resolve("dir.idl"));
        assertEquals(List.of("a/b.idl", "a/c/d.idl", "z.idl"),
                     Patterns.select(dir, new Patterns(List.of("**/*.idl")), new Patterns(List.of("**/skip.idl"))));
    }

    @Test
    void quorvexRuleWithBlanksInNames() throws IOException {
        Path spaced = Files.writeString(dir.resolve("my bank.idl"), "");
        Path plain = Files.writeString(dir.resolve("env.txt"), "");
        String rule = "generated:  " + spaced + " " + plain + " " + dir.resolve("gone.idl") + "\n";
        assertEquals(List.of(spaced, plain, dir.resolve("gone.idl")),
                     MakeRules.quorvexRule(rule, "generated", dir));
        assertEquals(List.of(plain), MakeRules.quorvexRule("generated:  env.txt\n", "generated", dir),
                     "relative names are taken from the directory quorvex ran in");
        assertEquals(List.of(), MakeRules.quorvexRule("other:  x.idl\n", "generated", dir));
        assertEquals(List.of(), MakeRules.quorvexRule("generated: \n", "generated", dir));
    }

    @Test
    void preprocessorRuleWithEscapesAndContinuations() {
        String rule = "idl: /src/bank.idl /src/my\\ money.idl \\\n /inc/a$$b.idl \\\n  rel.idl\n";
        assertEquals(List.of(Path.of("/src/bank.idl"), Path.of("/src/my money.idl"), Path.of("/inc/a$b.idl"),
                             dir.resolve("rel.idl")),
                     MakeRules.cppRule(rule, dir));
        assertEquals(List.of(), MakeRules.cppRule("", dir));
    }

    @Test
    void outputTimestamps() {
        assertEquals(1704067200L, Timestamps.epochSeconds("2024-01-01T00:00:00Z"));
        assertEquals(1704063600L, Timestamps.epochSeconds("2024-01-01T00:00:00+01:00"));
        assertEquals(1234L, Timestamps.epochSeconds("1234"));
        assertNull(Timestamps.epochSeconds("2024-01-01"), "a date without time and offset is refused");
        assertNull(Timestamps.epochSeconds("yesterday"));
        assertNull(Timestamps.epochSeconds("1960-01-01T00:00:00Z"), "no time before 1970");
        assertNull(Timestamps.epochSeconds("99999999999999999999"));
    }
}

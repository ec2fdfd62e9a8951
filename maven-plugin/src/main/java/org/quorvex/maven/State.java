package org.quorvex.maven;

import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.NoSuchFileException;
import java.nio.file.Path;
import java.security.MessageDigest;
import java.security.NoSuchAlgorithmException;
import java.util.ArrayList;
import java.util.Collection;
import java.util.HashMap;
import java.util.HexFormat;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;
import java.util.stream.Stream;

import org.apache.maven.plugin.logging.Log;

/**
 * What one execution of the plugin remembers between builds, in its own
 * directory below the state directory (named by the execution's id, so that
 * two executions in one project keep apart the files they wrote):
 * <ul>
 * <li><code>configuration</code>: the program and options of the last
 * complete build; a different one makes every IDL file stale;</li>
 * <li>for each IDL file, under <code>idl/</code> at its path relative to the
 * source directory: <code>NAME.d</code>, the make rule quorvex wrote;
 * <code>NAME.files</code>, the Java files it wrote; <code>NAME.stamps</code>,
 * a digest of the content of every file the run read (the IDL file, the
 * files it imports or includes, the environment file), written last, so that
 * a run that did not finish leaves its IDL file stale. A file whose time
 * changed and whose content did not (a touch, a fresh checkout) leaves its
 * IDL file up to date.</li>
 * </ul>
 */
final class State {
    /** Where quorvex writes the make rule and the file list of the current run. */
    static final String RULE_FILE = "quorvex.d";
    static final String LIST_FILE = "quorvex.files";
    static final String RULE_TARGET = "generated";

    private final Path root;
    private final Path configurationFile;
    private final Set<Path> replaced = new LinkedHashSet<>();
    // The digests taken by the staleness checks of this build: a file that
    // many IDL files include is read once.
    private final Map<Path, String> checked = new HashMap<>();

    State(Path root) {
        this.root = root;
        this.configurationFile = root.resolve("configuration");
    }

    Path root() {
        return root;
    }

    /** The configuration of the last complete build, or null. */
    String configuration() {
        try {
            return GenerateMojo.read(configurationFile);
        } catch (IOException e) {
            return null;
        }
    }

    void forgetConfiguration() {
        try {
            Files.deleteIfExists(configurationFile);
        } catch (IOException e) {
            // A configuration that stays behind is overwritten at the end of the build.
        }
    }

    void saveConfiguration(String text) throws IOException {
        Path temporary = root.resolve("configuration.new");
        Files.write(temporary, text.getBytes(StandardCharsets.UTF_8));
        GenerateMojo.moveOver(temporary, configurationFile);
    }

    /** Removes what an earlier run left in the state directory, so that only this run's files are read. */
    void clearRun() throws IOException {
        Files.deleteIfExists(root.resolve(RULE_FILE));
        Files.deleteIfExists(root.resolve(LIST_FILE));
    }

    Entry entry(String source) {
        return new Entry(source);
    }

    /** The IDL files that have records, relative to the source directory. */
    Collection<String> recordedSources() throws IOException {
        Path idl = root.resolve("idl");
        Set<String> sources = new TreeSet<>();
        if (!Files.isDirectory(idl)) return sources;
        try (Stream<Path> walk = Files.walk(idl)) {
            walk.forEach(p -> {
                String name = p.getFileName().toString();
                if (name.endsWith(".files") && Files.isRegularFile(p)) {
                    String rel = idl.relativize(p).toString().replace(p.getFileSystem().getSeparator(), "/");
                    sources.add(rel.substring(0, rel.length() - ".files".length()));
                }
            });
        }
        return sources;
    }

    /**
     * The Java files that the other executions' records name: the records
     * in the directories beside this execution's own. A record of one of
     * {@code ownInputs} (an IDL file this execution compiles, as another
     * execution, say one from the command line, did before) is superseded by
     * this execution's own and does not count.
     */
    Set<Path> othersOutputs(Set<Path> ownInputs) throws IOException {
        Set<Path> files = new LinkedHashSet<>();
        Path parent = root.getParent();
        if (parent == null || !Files.isDirectory(parent)) return files;
        List<Path> others = new ArrayList<>();
        try (Stream<Path> list = Files.list(parent)) {
            list.filter(p -> !p.equals(root) && Files.isDirectory(p.resolve("idl"))).sorted().forEach(others::add);
        }
        for (Path other : others) {
            try (Stream<Path> walk = Files.walk(other.resolve("idl"))) {
                for (Path p : (Iterable<Path>) walk::iterator) {
                    String name = p.getFileName().toString();
                    if (!name.endsWith(".files") || !Files.isRegularFile(p)) continue;
                    Path stamps = p.resolveSibling(name.substring(0, name.length() - ".files".length()) + ".stamps");
                    if (ownInputs.contains(compiledFile(stamps))) continue;
                    for (String line : Files.readAllLines(p, StandardCharsets.UTF_8))
                        if (!line.isEmpty()) files.add(Path.of(line));
                }
            }
        }
        return files;
    }

    /** The IDL file a record's stamps name first (the file compiled), or null. */
    private static Path compiledFile(Path stamps) {
        try (java.io.BufferedReader r = Files.newBufferedReader(stamps, StandardCharsets.UTF_8)) {
            String first = r.readLine();
            int blank = first == null ? -1 : first.indexOf(' ');
            return blank < 0 ? null : Path.of(first.substring(blank + 1));
        } catch (IOException | java.nio.file.InvalidPathException e) {
            return null;
        }
    }

    /** The files that recompiled IDL files wrote before and not this time; cleared by the call. */
    Set<Path> takeReplaced() {
        Set<Path> files = new LinkedHashSet<>(replaced);
        replaced.clear();
        return files;
    }

    /** The records of one IDL file. */
    final class Entry {
        private final String source;
        private final Path rule;
        private final Path list;
        private final Path stamps;

        private Entry(String source) {
            this.source = source;
            Path base = root.resolve("idl");
            this.rule = base.resolve(source + ".d");
            this.list = base.resolve(source + ".files");
            this.stamps = base.resolve(source + ".stamps");
        }

        /** The Java files of the last complete run; empty when there was none. */
        List<Path> outputs() {
            List<Path> files = new ArrayList<>();
            try {
                for (String line : Files.readAllLines(list, StandardCharsets.UTF_8))
                    if (!line.isEmpty()) files.add(Path.of(line));
            } catch (IOException e) {
                // No record: nothing was written.
            }
            return files;
        }

        /**
         * True when the IDL file must be compiled: it never was, a file its
         * last run read changed or is gone, or a file it wrote is gone.
         */
        boolean isStale(Log log) {
            List<String> lines;
            try {
                lines = Files.readAllLines(stamps, StandardCharsets.UTF_8);
            } catch (IOException e) {
                if (log.isDebugEnabled()) log.debug("quorvex: " + source + " was not compiled before");
                return true;
            }
            for (String line : lines) {
                String[] fields = line.split(" ", 2);
                if (fields.length != 2 || !fields[0].startsWith(DIGEST_TAG)) return true;
                Path file = Path.of(fields[1]);
                String now = checked.computeIfAbsent(file, State::stamp);
                if (now.equals("-") || now.equals("?") || !fields[0].equals(now)) {
                    if (log.isDebugEnabled()) log.debug("quorvex: " + source + " is stale: " + file + " changed");
                    return true;
                }
            }
            for (Path file : outputs()) {
                if (!Files.isRegularFile(file)) {
                    if (log.isDebugEnabled()) log.debug("quorvex: " + source + " is stale: " + file + " is gone");
                    return true;
                }
            }
            return false;
        }

        /** Drops the stamps, so that the file stays stale until a run completes. */
        void forget() {
            try {
                Files.deleteIfExists(stamps);
            } catch (IOException e) {
                // isStale also takes an unreadable record as stale.
            }
        }

        /** Drops every record of the file: it is no longer compiled. */
        void remove() throws IOException {
            Files.deleteIfExists(stamps);
            Files.deleteIfExists(rule);
            Files.deleteIfExists(list);
        }

        /**
         * Records a complete run: the make rule and file list quorvex just
         * wrote into the state directory, and the stamps of the files it read
         * (those of the rule and the extra ones found by the preprocessor).
         */
        void record(Path cwd, Path idl, Collection<Path> alsoRead) throws IOException {
            List<Path> before = outputs();
            // A run with -fno-write-files writes neither the list nor the rule.
            Path written = root.resolve(LIST_FILE);
            Set<Path> files = new LinkedHashSet<>();
            if (Files.exists(written)) {
                for (String line : Files.readAllLines(written, StandardCharsets.UTF_8))
                    if (!line.isEmpty()) files.add(cwd.resolve(line).toAbsolutePath().normalize());
            }
            for (Path old : before)
                if (!files.contains(old)) replaced.add(old);
            Set<Path> read = new LinkedHashSet<>();
            read.add(idl);
            Path made = root.resolve(RULE_FILE);
            if (Files.exists(made)) read.addAll(MakeRules.quorvexRule(GenerateMojo.read(made), RULE_TARGET, cwd));
            read.addAll(alsoRead);

            Files.createDirectories(stamps.getParent());
            if (Files.exists(made)) GenerateMojo.moveOver(made, rule);
            else Files.deleteIfExists(rule);
            StringBuilder b = new StringBuilder();
            for (Path f : files) b.append(f).append('\n');
            Files.write(list, b.toString().getBytes(StandardCharsets.UTF_8));
            Files.deleteIfExists(written);
            b.setLength(0);
            for (Path f : read) b.append(stamp(f)).append(' ').append(f).append('\n');
            Path temporary = stamps.resolveSibling(stamps.getFileName() + ".new");
            Files.write(temporary, b.toString().getBytes(StandardCharsets.UTF_8));
            GenerateMojo.moveOver(temporary, stamps);
        }
    }

    /** Marks a stamp as a content digest; records of another form are taken as stale. */
    static final String DIGEST_TAG = "sha256:";

    /** A digest of a file's content, "-" when it is gone, "?" when it cannot be read. */
    static String stamp(Path file) {
        MessageDigest digest;
        try {
            digest = MessageDigest.getInstance("SHA-256");
        } catch (NoSuchAlgorithmException e) {
            throw new IllegalStateException("the JDK has no SHA-256", e);
        }
        byte[] buffer = new byte[65536];
        try (InputStream in = Files.newInputStream(file)) {
            for (int n; (n = in.read(buffer)) > 0; ) digest.update(buffer, 0, n);
        } catch (NoSuchFileException e) {
            return "-";
        } catch (IOException e) {
            return "?";
        }
        return DIGEST_TAG + HexFormat.of().formatHex(digest.digest());
    }
}

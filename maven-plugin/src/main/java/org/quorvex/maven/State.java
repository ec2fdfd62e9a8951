package org.quorvex.maven;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.NoSuchFileException;
import java.nio.file.Path;
import java.nio.file.attribute.BasicFileAttributes;
import java.util.ArrayList;
import java.util.Collection;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;
import java.util.TreeSet;
import java.util.stream.Stream;

import org.apache.maven.plugin.logging.Log;

/**
 * What the plugin remembers between builds, in its state directory:
 * <ul>
 * <li><code>configuration</code>: the program and options of the last
 * complete build; a different one makes every IDL file stale;</li>
 * <li>for each IDL file, under <code>idl/</code> at its path relative to the
 * source directory: <code>NAME.d</code>, the make rule quorvex wrote;
 * <code>NAME.files</code>, the Java files it wrote; <code>NAME.stamps</code>,
 * the time and size of every file the run read (the IDL file, the files it
 * imports or includes, the environment file), written last, so that a run
 * that did not finish leaves its IDL file stale.</li>
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
                String[] fields = line.split(" ", 3);
                if (fields.length != 3) return true;
                Path file = Path.of(fields[2]);
                String now = stamp(file);
                if (now.equals("-") || now.equals("?") || !fields[0].equals(now) || !fields[1].equals(size(file))) {
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
            for (Path f : read) b.append(stamp(f)).append(' ').append(size(f)).append(' ').append(f).append('\n');
            Path temporary = stamps.resolveSibling(stamps.getFileName() + ".new");
            Files.write(temporary, b.toString().getBytes(StandardCharsets.UTF_8));
            GenerateMojo.moveOver(temporary, stamps);
        }
    }

    /** A file's modification time as seconds.nanoseconds, "-" when it is gone. */
    static String stamp(Path file) {
        try {
            BasicFileAttributes a = Files.readAttributes(file, BasicFileAttributes.class);
            java.nio.file.attribute.FileTime t = a.lastModifiedTime();
            return Long.toString(t.toInstant().getEpochSecond()) + "." + t.toInstant().getNano();
        } catch (NoSuchFileException e) {
            return "-";
        } catch (IOException e) {
            return "?";
        }
    }

    static String size(Path file) {
        try {
            return Long.toString(Files.size(file));
        } catch (IOException e) {
            return "-";
        }
    }
}

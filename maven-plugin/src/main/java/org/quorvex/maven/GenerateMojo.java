package org.quorvex.maven;

import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Properties;
import java.util.Set;
import java.util.TreeMap;

import org.apache.maven.plugin.AbstractMojo;
import org.apache.maven.plugin.MojoExecution;
import org.apache.maven.plugin.MojoExecutionException;
import org.apache.maven.plugin.MojoFailureException;
import org.apache.maven.plugins.annotations.LifecyclePhase;
import org.apache.maven.plugins.annotations.Mojo;
import org.apache.maven.plugins.annotations.Parameter;
import org.apache.maven.project.MavenProject;

/**
 * Compiles the project's IDL files into Java sources with quorvex and adds
 * the output directory to the compile source roots. Each IDL file is compiled
 * by its own run of quorvex, and only when it is stale: when it or a file it
 * includes or imports changed since its last run, when one of its generated
 * files is gone, or when the configuration changed. With nothing stale,
 * quorvex does not run.
 */
@Mojo(name = "generate", defaultPhase = LifecyclePhase.GENERATE_SOURCES, threadSafe = true)
public class GenerateMojo extends AbstractMojo {

    @Parameter(defaultValue = "${project}", readonly = true, required = true)
    private MavenProject project;

    /** The directory holding the IDL files to compile. */
    @Parameter(property = "quorvex.sourceDirectory", defaultValue = "${project.basedir}/src/main/idl",
               required = true)
    private File sourceDirectory;

    /**
     * Patterns of the IDL files to compile, relative to sourceDirectory:
     * <code>**</code> matches any number of directories, <code>*</code> any
     * part of a name, <code>?</code> one character. Default: every file
     * ending in <code>.idl</code>, at any depth.
     */
    @Parameter
    private List<String> includes;

    /** Patterns, as for includes, of files not to compile (for example files that are only included). */
    @Parameter
    private List<String> excludes;

    /** The root of the generated Java sources; created when missing and added as a compile source root. */
    @Parameter(property = "quorvex.outputDirectory",
               defaultValue = "${project.build.directory}/generated-sources/idl", required = true)
    private File outputDirectory;

    /** Generate the client side: types, Holders, Helpers, interfaces and stubs (quorvex -fclient). */
    @Parameter(property = "quorvex.client", defaultValue = "true")
    private boolean client;

    /** Generate the server side: the skeletons (quorvex -fserver). */
    @Parameter(property = "quorvex.server", defaultValue = "true")
    private boolean server;

    /**
     * Directories searched for included IDL files, in order (quorvex -I).
     * <code>#include "name"</code> looks in the including file's directory
     * first; sourceDirectory is searched after these.
     */
    @Parameter
    private List<File> includeDirectories;

    /** Preprocessor macros, each NAME or NAME=VALUE (quorvex -D). */
    @Parameter
    private List<String> defines;

    /** A package put in front of every generated package (quorvex -p). */
    @Parameter(property = "quorvex.packagePrefix")
    private String packagePrefix;

    /** An environment file attaching attributes to IDL names (quorvex -e). */
    @Parameter(property = "quorvex.environmentFile")
    private File environmentFile;

    /**
     * Further quorvex flags, each a flag's name as given after -f, for
     * example <code>no-cpp</code>; <code>quorvex --help</code> lists them.
     */
    @Parameter
    private List<String> flags;

    /**
     * The quorvex program: a path, or a name looked up on PATH. Default:
     * quorvex found on PATH, else the program installed with this plugin.
     */
    @Parameter(property = "quorvex.executable")
    private String executable;

    /**
     * The time written into the generated files' Date line when the IDL file
     * is newer: Maven's reproducible-build timestamp, as ISO-8601 or seconds
     * since 1970, passed to quorvex as SOURCE_DATE_EPOCH.
     */
    @Parameter(defaultValue = "${project.build.outputTimestamp}")
    private String outputTimestamp;

    /**
     * Where the plugin keeps, for each IDL file, the make rule of its last
     * run, a digest of each file it read and the files it wrote. Each
     * execution keeps its records in a directory of its own below this one,
     * named by the execution's id, so that executions never take each
     * other's files for leftovers.
     */
    @Parameter(defaultValue = "${project.build.directory}/quorvex-maven-plugin", required = true)
    private File stateDirectory;

    @Parameter(defaultValue = "${mojoExecution}", readonly = true)
    private MojoExecution mojoExecution;

    /** Skip the goal: no IDL file is compiled and no source root is added. */
    @Parameter(property = "quorvex.skip", defaultValue = "false")
    private boolean skip;

    @Override
    public void execute() throws MojoExecutionException, MojoFailureException {
        if (skip) {
            getLog().info("quorvex: skipped");
            return;
        }
        if (!client && !server)
            throw new MojoExecutionException("quorvex: client and server are both off: nothing would be generated");
        Path output = outputDirectory.toPath().toAbsolutePath().normalize();
        Path state = stateDirectory.toPath().toAbsolutePath().normalize().resolve(executionDirectory());
        try {
            Files.createDirectories(output);
            Files.createDirectories(state);
        } catch (IOException e) {
            throw new MojoExecutionException("quorvex: cannot create " + e.getMessage(), e);
        }
        project.addCompileSourceRoot(output.toString());

        List<String> sources = sourceFiles();
        State records = new State(state);
        if (sources.isEmpty()) {
            // No program is needed to compile nothing; earlier output goes.
            getLog().info("quorvex: no IDL files in " + sourceDirectory);
            removeLeftovers(records, sources, new TreeMap<>(), output);
            return;
        }
        String epoch = sourceDateEpoch();
        Path program = findExecutable();
        List<String> options = options();
        String configuration = configuration(program, options, output, epoch);
        boolean reconfigured = !configuration.equals(records.configuration());

        Map<String, List<Path>> written = new TreeMap<>();
        List<String> stale = new ArrayList<>();
        for (String source : sources) {
            State.Entry entry = records.entry(source);
            if (reconfigured || entry.isStale(getLog())) stale.add(source);
            written.put(source, entry.outputs());
        }
        if (stale.isEmpty()) {
            getLog().info("quorvex: nothing stale, " + count(sources.size()) + " up to date in " + sourceDirectory);
            removeLeftovers(records, sources, written, output);
            return;
        }
        getLog().info("quorvex: compiling " + stale.size() + " of " + count(sources.size())
                      + (reconfigured && records.configuration() != null ? " (configuration changed)" : "")
                      + " into " + output);
        // Until the runs are over, a build that stops half-way leaves every
        // file stale under a new configuration.
        if (reconfigured) records.forgetConfiguration();

        List<String> failed = new ArrayList<>();
        boolean preprocessed = !options.contains("-fno-cpp");
        for (String source : stale) {
            State.Entry entry = records.entry(source);
            entry.forget();
            Path idl = sourceRoot().resolve(source);
            // Run where the IDL file is, so that #include "name" finds its
            // neighbours as a C compiler would (quorvex's preprocessor reads
            // the file on its standard input and looks in its own directory).
            // The file and the output root are named from there: the headers
            // of the generated files hold these names, which are then the
            // same in every copy of the project.
            Path cwd = idl.getParent();
            List<String> command = new ArrayList<>();
            command.add(program.toString());
            command.addAll(options);
            command.add("-j");
            command.add(relativeName(cwd, output));
            command.add("-J");
            command.add(state.resolve(State.LIST_FILE).toString());
            command.add(idl.getFileName().toString());
            getLog().info("quorvex: " + source);
            if (getLog().isDebugEnabled()) getLog().debug("quorvex: running " + String.join(" ", command));
            try {
                records.clearRun();
            } catch (IOException e) {
                throw new MojoExecutionException("quorvex: cannot clear " + state + ": " + e.getMessage(), e);
            }
            int status = run(command, cwd, state, epoch, idl);
            if (status != 0) {
                failed.add(source);
                if (status != 1)
                    getLog().error("quorvex: " + program + " ended with status " + status + " on " + source);
                continue;
            }
            List<Path> included = List.of();
            if (preprocessed) {
                StringBuilder why = new StringBuilder();
                included = Includes.of(idl, preprocessorOptions(options), cwd, why);
                if (included == null) {
                    getLog().warn("quorvex: cannot list the files " + source + " includes (" + why
                                  + "): it is compiled again on every build");
                    continue;
                }
            }
            try {
                entry.record(cwd, idl, included);
            } catch (IOException e) {
                throw new MojoExecutionException("quorvex: cannot record the run of " + source + ": " + e.getMessage(), e);
            }
            written.put(source, entry.outputs());
        }
        // Every stale file has been run: those that failed have no stamps
        // and stay stale under the configuration recorded now.
        try {
            records.saveConfiguration(configuration);
        } catch (IOException e) {
            throw new MojoExecutionException("quorvex: cannot record the configuration: " + e.getMessage(), e);
        }
        if (!failed.isEmpty())
            throw new MojoFailureException("quorvex: errors in " + String.join(", ", failed)
                                           + " (see the messages above)");
        removeLeftovers(records, sources, written, output);
    }

    private static String count(int n) {
        return n == 1 ? "1 IDL file" : n + " IDL files";
    }

    /** The IDL files to compile, relative to sourceDirectory with '/' between names, sorted. */
    private List<String> sourceFiles() throws MojoExecutionException {
        Path root = sourceRoot();
        if (!Files.isDirectory(root)) return new ArrayList<>();
        Patterns in = new Patterns(includes == null || includes.isEmpty() ? List.of("**/*.idl") : includes);
        Patterns out = new Patterns(excludes == null ? List.of() : excludes);
        try {
            return Patterns.select(root, in, out);
        } catch (IOException e) {
            throw new MojoExecutionException("quorvex: cannot list " + root + ": " + e.getMessage(), e);
        }
    }

    /** SOURCE_DATE_EPOCH for the runs: from outputTimestamp when set, else the one Maven was started with. */
    private String sourceDateEpoch() throws MojoExecutionException {
        String inherited = System.getenv("SOURCE_DATE_EPOCH");
        // Maven's own plugins take a value of one character as "not set".
        if (outputTimestamp == null || outputTimestamp.trim().length() <= 1)
            return inherited == null || inherited.isEmpty() ? null : inherited;
        Long seconds = Timestamps.epochSeconds(outputTimestamp.trim());
        if (seconds == null)
            throw new MojoExecutionException("quorvex: project.build.outputTimestamp is neither ISO-8601 nor "
                                             + "seconds since 1970: " + outputTimestamp);
        return Long.toString(seconds);
    }

    /** The program to run: the configured one, else quorvex on PATH, else the installed one. */
    private Path findExecutable() throws MojoExecutionException {
        String wanted = executable == null || executable.isBlank() ? null : executable.trim();
        if (wanted != null && wanted.indexOf('/') >= 0 || wanted != null && wanted.indexOf(File.separatorChar) >= 0) {
            Path path = project.getBasedir().toPath().resolve(wanted).toAbsolutePath().normalize();
            if (!Files.isExecutable(path) || Files.isDirectory(path))
                throw new MojoExecutionException("quorvex: " + path + " is not an executable program");
            return path;
        }
        Path found = onPath(wanted == null ? "quorvex" : wanted);
        if (found != null) return found;
        String installed = installedExecutable();
        if (wanted == null && installed != null && Files.isExecutable(Path.of(installed))) return Path.of(installed);
        throw new MojoExecutionException("quorvex: " + (wanted == null ? "quorvex" : wanted) + " is not on PATH"
                                         + (wanted == null && installed != null ? " nor at " + installed : "")
                                         + "; set <executable> or -Dquorvex.executable to its path");
    }

    private static Path onPath(String name) {
        String path = System.getenv("PATH");
        if (path == null) return null;
        for (String dir : path.split(File.pathSeparator)) {
            if (dir.isEmpty()) continue;
            Path candidate = Path.of(dir, name);
            if (Files.isExecutable(candidate) && !Files.isDirectory(candidate))
                return candidate.toAbsolutePath().normalize();
        }
        return null;
    }

    private static String installedExecutable() {
        try (InputStream in = GenerateMojo.class.getResourceAsStream("quorvex-plugin.properties")) {
            if (in == null) return null;
            Properties p = new Properties();
            p.load(in);
            String value = p.getProperty("installed.executable");
            return value == null || value.isBlank() ? null : value.trim();
        } catch (IOException e) {
            return null;
        }
    }

    /** The directory of this execution's records: its id, as a file name. */
    private String executionDirectory() {
        String id = mojoExecution == null ? null : mojoExecution.getExecutionId();
        if (id == null || id.isBlank()) id = "default";
        String name = id.replaceAll("[^A-Za-z0-9._-]", "_");
        return name.startsWith(".") ? "_" + name : name;
    }

    /** {@code to} named from {@code from}: "." for the directory itself, else a relative path. */
    static String relativeName(Path from, Path to) {
        String name = from.relativize(to).toString();
        return name.isEmpty() ? "." : name;
    }

    /** The options of every run, in quorvex's order: flags, environment file, preprocessor, prefix. */
    private List<String> options() throws MojoExecutionException {
        List<String> o = new ArrayList<>();
        if (flags != null) {
            for (String f : flags) {
                String name = f == null ? "" : f.trim();
                if (name.startsWith("-f")) name = name.substring(2);
                if (name.isEmpty() || name.chars().anyMatch(Character::isWhitespace))
                    throw new MojoExecutionException("quorvex: not a flag name: '" + f + "'");
                o.add("-f" + name);
            }
        }
        if (client) o.add("-fclient");
        if (server) o.add("-fserver");
        if (environmentFile != null) {
            o.add("-e");
            o.add(absolute(environmentFile).toString());
        }
        if (includeDirectories != null)
            for (File dir : includeDirectories) o.add("-I" + absolute(dir));
        // Last, the source directory: an IDL file below it includes others
        // by their path from it.
        o.add("-I" + sourceRoot());
        if (defines != null) {
            for (String d : defines) {
                String text = d == null ? "" : d.trim();
                if (text.isEmpty() || text.startsWith("="))
                    throw new MojoExecutionException("quorvex: not a macro definition: '" + d + "'");
                o.add("-D" + text);
            }
        }
        if (packagePrefix != null && !packagePrefix.isBlank()) {
            o.add("-p");
            o.add(packagePrefix.trim());
        }
        return o;
    }

    /** The options of a run that go to the preprocessor. */
    private static List<String> preprocessorOptions(List<String> options) {
        List<String> cpp = new ArrayList<>();
        for (String o : options)
            if (o.startsWith("-I") || o.startsWith("-D") || o.startsWith("-U")) cpp.add(o);
        return cpp;
    }

    private Path sourceRoot() {
        return sourceDirectory.toPath().toAbsolutePath().normalize();
    }

    private Path absolute(File f) {
        return project.getBasedir().toPath().resolve(f.toPath()).toAbsolutePath().normalize();
    }

    /** Everything that decides what a run writes besides its input files, as text. */
    private String configuration(Path program, List<String> options, Path output, String epoch) {
        StringBuilder b = new StringBuilder();
        // The program by its content, as the IDL files: the same program
        // installed again changes nothing.
        b.append("program ").append(program).append(' ').append(State.stamp(program)).append('\n');
        for (String option : options) b.append("option ").append(option).append('\n');
        b.append("output ").append(output).append('\n');
        b.append("epoch ").append(epoch == null ? "-" : epoch).append('\n');
        return b.toString();
    }

    /** Runs quorvex in the state directory, passing its messages to Maven's log; returns its exit status. */
    private int run(List<String> command, Path cwd, Path state, String epoch, Path idl)
            throws MojoExecutionException {
        ProcessBuilder pb = new ProcessBuilder(command);
        pb.directory(cwd.toFile());
        pb.redirectErrorStream(true);
        pb.redirectInput(ProcessBuilder.Redirect.from(new File("/dev/null")));
        Map<String, String> env = pb.environment();
        // The variable's value is split at its first blank: a path holding
        // one is given relative to the directory quorvex runs in.
        String rule = state.resolve(State.RULE_FILE).toString();
        if (rule.indexOf(' ') >= 0) rule = cwd.relativize(state.resolve(State.RULE_FILE)).toString();
        if (rule.indexOf(' ') >= 0)
            throw new MojoExecutionException("quorvex: the state directory's path must not hold a blank: " + state);
        env.put("KELDRO_DEPENDENCIES", rule + " " + State.RULE_TARGET);
        if (epoch != null) env.put("SOURCE_DATE_EPOCH", epoch);
        Diagnostics diagnostics = new Diagnostics(getLog(), idl);
        try {
            Process p = pb.start();
            try (InputStream out = p.getInputStream()) {
                diagnostics.read(out);
            }
            int status = p.waitFor();
            diagnostics.finish(status);
            return status;
        } catch (IOException e) {
            throw new MojoExecutionException("quorvex: cannot run " + command.get(0) + ": " + e.getMessage(), e);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            throw new MojoExecutionException("quorvex: interrupted", e);
        }
    }

    /**
     * Removes generated files that no IDL file writes any more: those of IDL
     * files that were removed or excluded, and those that a recompiled IDL
     * file no longer declares, with their classes in the project's class
     * directory, so that a removed declaration does not stay in the jar. A
     * file still written by another IDL file, of this execution or another,
     * stays.
     */
    private void removeLeftovers(State records, List<String> sources, Map<String, List<Path>> written, Path output) {
        Set<Path> current = new LinkedHashSet<>();
        for (List<Path> files : written.values()) current.addAll(files);
        Set<Path> previous = new LinkedHashSet<>();
        try {
            for (String gone : records.recordedSources()) {
                if (sources.contains(gone)) continue;
                State.Entry entry = records.entry(gone);
                previous.addAll(entry.outputs());
                entry.remove();
            }
            previous.addAll(records.takeReplaced());
            previous.removeAll(current);
            if (!previous.isEmpty()) {
                Set<Path> inputs = new LinkedHashSet<>();
                for (String source : sources) inputs.add(sourceRoot().resolve(source));
                previous.removeAll(records.othersOutputs(inputs));
            }
        } catch (IOException e) {
            getLog().warn("quorvex: cannot read the records in " + stateDirectory + ": " + e.getMessage());
        }
        List<Path> removed = new ArrayList<>();
        for (Path file : previous) {
            if (!file.startsWith(output)) continue;
            try {
                if (Files.deleteIfExists(file)) getLog().info("quorvex: removed " + output.relativize(file)
                                                              + ", which no IDL file declares now");
                removed.add(output.relativize(file));
            } catch (IOException e) {
                getLog().warn("quorvex: cannot remove " + file + ": " + e.getMessage());
            }
        }
        Path classes = classDirectory();
        if (classes == null || removed.isEmpty()) return;
        try {
            for (Path cls : ClassFiles.of(classes, removed)) {
                Files.deleteIfExists(cls);
                if (getLog().isDebugEnabled()) getLog().debug("quorvex: removed " + cls);
            }
        } catch (IOException e) {
            getLog().warn("quorvex: cannot remove the classes of removed files: " + e.getMessage());
        }
    }

    /** The directory the project's main classes are compiled into, or null when there is none. */
    private Path classDirectory() {
        if (project == null || project.getBuild() == null || project.getBuild().getOutputDirectory() == null)
            return null;
        return Path.of(project.getBuild().getOutputDirectory()).toAbsolutePath().normalize();
    }

    static void moveOver(Path from, Path to) throws IOException {
        Files.createDirectories(to.getParent());
        Files.move(from, to, StandardCopyOption.REPLACE_EXISTING);
    }

    static String read(Path p) throws IOException {
        return new String(Files.readAllBytes(p), StandardCharsets.UTF_8);
    }
}

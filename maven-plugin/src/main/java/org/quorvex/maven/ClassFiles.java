package org.quorvex.maven;

import java.io.IOException;
import java.nio.file.DirectoryStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Collection;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;

/** The class files javac made of Java source files. */
final class ClassFiles {
    private ClassFiles() { }

    /**
     * The classes of the {@code sources} (relative to their source root,
     * "Bank/Account.java") found in {@code classes}: "Bank/Account.class"
     * and those of its nested and local classes, "Bank/Account$....class",
     * sorted. Generated sources hold one top-level class named as the file,
     * and IDL names hold no '$', so no other source's class has such a
     * name. Each directory is listed once.
     */
    static List<Path> of(Path classes, Collection<Path> sources) throws IOException {
        Map<Path, Set<String>> byDirectory = new TreeMap<>();
        for (Path source : sources) {
            String name = source.getFileName().toString();
            if (!name.endsWith(".java")) continue;
            Path parent = source.getParent();
            byDirectory.computeIfAbsent(parent == null ? classes : classes.resolve(parent), d -> new HashSet<>())
                       .add(name.substring(0, name.length() - ".java".length()));
        }
        List<Path> found = new ArrayList<>();
        for (Map.Entry<Path, Set<String>> e : byDirectory.entrySet()) {
            if (!Files.isDirectory(e.getKey())) continue;
            try (DirectoryStream<Path> list = Files.newDirectoryStream(e.getKey(), "*.class")) {
                for (Path p : list) {
                    String n = p.getFileName().toString();
                    int end = n.indexOf('$');
                    String base = n.substring(0, end >= 0 ? end : n.length() - ".class".length());
                    if (e.getValue().contains(base)) found.add(p);
                }
            }
        }
        found.sort(null);
        return found;
    }
}

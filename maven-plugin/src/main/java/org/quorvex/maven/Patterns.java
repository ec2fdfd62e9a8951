package org.quorvex.maven;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.regex.Pattern;
import java.util.stream.Stream;

/**
 * File patterns as Maven users write them for includes and excludes:
 * '/' between names, <code>**</code> for any number of directories,
 * <code>*</code> for any part of a name, <code>?</code> for one character,
 * and a trailing '/' for everything below a directory.
 */
final class Patterns {
    private final List<Pattern> patterns = new ArrayList<>();

    Patterns(List<String> globs) {
        for (String g : globs) if (g != null && !g.isBlank()) patterns.add(compile(g));
    }

    static Pattern compile(String glob) {
        String g = glob.trim().replace('\\', '/');
        while (g.startsWith("./")) g = g.substring(2);
        while (g.startsWith("/")) g = g.substring(1);
        if (g.endsWith("/") || g.isEmpty()) g += "**";
        String[] segments = g.split("/", -1);
        StringBuilder re = new StringBuilder();
        for (int i = 0; i < segments.length; i++) {
            boolean last = i == segments.length - 1;
            String s = segments[i];
            if (s.equals("**")) {
                re.append(last ? ".*" : "(?:[^/]*/)*");
                continue;
            }
            StringBuilder literal = new StringBuilder();
            for (char c : s.toCharArray()) {
                if (c == '*' || c == '?') {
                    if (literal.length() > 0) re.append(Pattern.quote(literal.toString()));
                    literal.setLength(0);
                    re.append(c == '*' ? "[^/]*" : "[^/]");
                } else {
                    literal.append(c);
                }
            }
            if (literal.length() > 0) re.append(Pattern.quote(literal.toString()));
            if (!last) re.append('/');
        }
        return Pattern.compile(re.toString());
    }

    boolean matches(String relative) {
        for (Pattern p : patterns) if (p.matcher(relative).matches()) return true;
        return false;
    }

    /** The regular files below root that match {@code in} and not {@code out}, relative, with '/', sorted. */
    static List<String> select(Path root, Patterns in, Patterns out) throws IOException {
        List<String> selected = new ArrayList<>();
        try (Stream<Path> walk = Files.walk(root)) {
            walk.filter(Files::isRegularFile).forEach(p -> {
                String rel = root.relativize(p).toString().replace(p.getFileSystem().getSeparator(), "/");
                if (in.matches(rel) && !out.matches(rel)) selected.add(rel);
            });
        }
        selected.sort(null);
        return selected;
    }
}

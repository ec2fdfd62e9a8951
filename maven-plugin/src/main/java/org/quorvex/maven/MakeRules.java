package org.quorvex.maven;

import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

/** Reads the file names out of make rules. */
final class MakeRules {
    private MakeRules() { }

    /**
     * The files of the rule quorvex writes, "TARGET:  file file ...". Its
     * names are not escaped, so a name holding blanks arrives in pieces: the
     * pieces are joined again when together they name a file and apart they
     * do not. Relative names are taken from {@code dir}.
     */
    static List<Path> quorvexRule(String text, String target, Path dir) {
        List<Path> files = new ArrayList<>();
        String line = text;
        int end = line.indexOf('\n');
        if (end >= 0) line = line.substring(0, end);
        if (!line.startsWith(target + ":")) return files;
        String[] words = line.substring(target.length() + 1).trim().split(" ");
        int i = 0;
        while (i < words.length) {
            if (words[i].isEmpty()) {
                i++;
                continue;
            }
            int taken = 1;
            if (!Files.exists(dir.resolve(words[i]))) {
                // At most a few pieces are tried, so that a list of names
                // that exist nowhere costs no more than a bounded factor.
                StringBuilder joined = new StringBuilder(words[i]);
                for (int j = i + 1; j < words.length && j < i + 16; j++) {
                    joined.append(' ').append(words[j]);
                    if (Files.exists(dir.resolve(joined.toString()))) {
                        taken = j - i + 1;
                        break;
                    }
                }
            }
            StringBuilder name = new StringBuilder(words[i]);
            for (int j = i + 1; j < i + taken; j++) name.append(' ').append(words[j]);
            files.add(dir.resolve(name.toString()).toAbsolutePath().normalize());
            i += taken;
        }
        return files;
    }

    /**
     * The prerequisites of a rule in the preprocessor's escaped make syntax
     * (cpp -M): lines continued with a backslash, blanks within names as
     * "\ ", '$' as "$$". Relative names are taken from {@code dir}.
     */
    static List<Path> cppRule(String text, Path dir) {
        List<Path> files = new ArrayList<>();
        StringBuilder word = new StringBuilder();
        boolean targetDone = false;
        int n = text.length();
        for (int i = 0; i <= n; i++) {
            char c = i < n ? text.charAt(i) : '\n';
            if (c == '\\' && i + 1 < n) {
                char next = text.charAt(i + 1);
                if (next == '\n') {
                    i++;
                    c = ' ';
                } else if (next == ' ' || next == '#' || next == '\\') {
                    word.append(next);
                    i++;
                    continue;
                }
            } else if (c == '$' && i + 1 < n && text.charAt(i + 1) == '$') {
                word.append('$');
                i++;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                if (word.length() > 0) {
                    String w = word.toString();
                    word.setLength(0);
                    if (!targetDone) {
                        if (w.endsWith(":")) targetDone = true;
                    } else if (!w.equals(":")) {
                        files.add(dir.resolve(w).toAbsolutePath().normalize());
                    }
                }
                continue;
            }
            word.append(c);
        }
        return files;
    }
}

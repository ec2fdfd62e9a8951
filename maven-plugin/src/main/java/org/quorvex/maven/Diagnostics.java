package org.quorvex.maven;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.apache.maven.plugin.logging.Log;

/**
 * Passes the messages of quorvex and its preprocessor to Maven's log:
 * "FILE:LINE: warning: TEXT" as a warning, "FILE:LINE: TEXT" as an error
 * (both as "FILE:LINE: TEXT"), anything else as information, or as an error
 * when the run failed.
 */
final class Diagnostics {
    private static final Pattern LOCATED = Pattern.compile("(.+?):([0-9]+):(?:([0-9]+):)? (.*)");

    private final Log log;
    private final java.nio.file.Path input;
    private int errors;
    private int warnings;

    /**
     * {@code input}: the IDL file, which the preprocessor calls "<stdin>" as
     * it reads it there; other names are taken from the directory quorvex
     * runs in, the input's.
     */
    Diagnostics(Log log, java.nio.file.Path input) {
        this.log = log;
        this.input = input;
    }

    void read(InputStream in) throws IOException {
        BufferedReader r = new BufferedReader(new InputStreamReader(in, StandardCharsets.UTF_8));
        for (String line; (line = r.readLine()) != null; ) line(line);
    }

    void line(String line) {
        if (line.isBlank()) return;
        Matcher m = LOCATED.matcher(line);
        if (!m.matches() || line.startsWith("In file included from ")) {
            String text = line.trim();
            if (text.startsWith("quorvex: warning: ")) {
                warnings++;
                log.warn(text);
            } else if (text.startsWith("quorvex: ") && !text.startsWith("quorvex: Usage:")) {
                errors++;
                log.error(text);
            } else {
                log.info(text);
            }
            return;
        }
        String file = m.group(1).equals("<stdin>") ? input.toString()
                      : input.resolveSibling(m.group(1)).normalize().toString();
        String where = file + ":" + m.group(2) + (m.group(3) != null ? ":" + m.group(3) : "") + ": ";
        String text = m.group(4);
        if (text.startsWith("warning: ")) {
            warnings++;
            log.warn(where + text.substring("warning: ".length()));
        } else if (text.startsWith("note: ")) {
            log.info(where + text);
        } else {
            errors++;
            log.error(where + (text.startsWith("error: ") ? text.substring("error: ".length()) : text));
        }
    }

    /** After the run: a failure with no message of its own still shows in the log. */
    void finish(int status) {
        if (status != 0 && errors == 0) log.error("quorvex: the run failed with status " + status);
    }

    int errors() {
        return errors;
    }

    int warnings() {
        return warnings;
    }
}

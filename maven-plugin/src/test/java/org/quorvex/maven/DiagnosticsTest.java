package org.quorvex.maven;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

import org.apache.maven.plugin.logging.SystemStreamLog;
import org.junit.jupiter.api.Test;

/** quorvex's and the preprocessor's messages as Maven's log shows them. */
class DiagnosticsTest {
    /** A log that keeps its lines, each prefixed with its level. */
    static final class Recording extends SystemStreamLog {
        final List<String> lines = new ArrayList<>();

        @Override public void info(CharSequence s) { lines.add("INFO " + s); }
        @Override public void warn(CharSequence s) { lines.add("WARN " + s); }
        @Override public void error(CharSequence s) { lines.add("ERROR " + s); }
    }

    private static List<String> parse(String output, int status) throws IOException {
        Recording log = new Recording();
        Diagnostics d = new Diagnostics(log, Path.of("/p/src/main/idl/bank.idl"));
        d.read(new ByteArrayInputStream(output.getBytes(StandardCharsets.UTF_8)));
        d.finish(status);
        return log.lines;
    }

    @Test
    void locatedMessages() throws IOException {
        assertEquals(List.of("WARN /p/src/main/idl/bank.idl:12: exception specified twice in `raises' list: E",
                             "ERROR /p/src/main/idl/money.idl:3: syntax error",
                             "ERROR /p/src/main/idl/bank.idl:1:10: fatal error: x.idl: No such file or directory",
                             "INFO compilation terminated.",
                             "ERROR quorvex: aborted due to earlier errors"),
                     parse("/p/src/main/idl/bank.idl:12: warning: exception specified twice in `raises' list: E\n"
                           + "money.idl:3: syntax error\n"
                           + "<stdin>:1:10: fatal error: x.idl: No such file or directory\n"
                           + "compilation terminated.\n"
                           + "quorvex: aborted due to earlier errors\n", 1));
    }

    @Test
    void aFailureWithoutMessagesStillShows() throws IOException {
        assertEquals(List.of("ERROR quorvex: the run failed with status 139"), parse("", 139));
        assertEquals(List.of(), parse("\n", 0));
        assertEquals(List.of("WARN quorvex: warning: Typecode for this type unknown"),
                     parse("quorvex: warning: Typecode for this type unknown\n", 0));
    }
}

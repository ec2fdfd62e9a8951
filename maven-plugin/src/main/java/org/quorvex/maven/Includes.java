package org.quorvex.maven;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

/**
 * The files an IDL file includes. quorvex's make rule names the files
 * quorvex itself opens (the IDL file, the files it imports, the environment
 * file); those the C preprocessor reads for #include are asked of the
 * preprocessor, with the same options and from the same directory.
 */
final class Includes {
    private Includes() { }

    /** The files the preprocessor reads for {@code idl}, or null when it could not say. */
    static List<Path> of(Path idl, List<String> cppOptions, Path cwd, StringBuilder why) {
        List<String> command = new ArrayList<>();
        command.add("cpp");
        command.add("-M");
        command.add("-MT");
        command.add("idl");
        command.add("-ffreestanding");
        command.addAll(cppOptions);
        command.add(idl.toString());
        ProcessBuilder pb = new ProcessBuilder(command);
        pb.directory(cwd.toFile());
        pb.redirectErrorStream(false);
        pb.redirectError(ProcessBuilder.Redirect.DISCARD);
        pb.redirectInput(ProcessBuilder.Redirect.from(new File("/dev/null")));
        try {
            Process p = pb.start();
            ByteArrayOutputStream out = new ByteArrayOutputStream();
            try (InputStream in = p.getInputStream()) {
                in.transferTo(out);
            }
            int status = p.waitFor();
            if (status != 0) {
                why.append("cpp -M ended with status ").append(status);
                return null;
            }
            return MakeRules.cppRule(out.toString(StandardCharsets.UTF_8), cwd);
        } catch (IOException e) {
            why.append(e.getMessage());
            return null;
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            why.append("interrupted");
            return null;
        }
    }
}

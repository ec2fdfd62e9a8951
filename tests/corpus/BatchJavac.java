import java.io.BufferedReader;
import java.io.ByteArrayOutputStream;
import java.io.InputStreamReader;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

// Runs many javac compilations in one Java process, so that the corpus does
// not pay a JVM start for each file.  Reads one job a line from standard
// input, the javac arguments separated by tabs; answers each job with the
// line "ok", or with "failed <n>" followed by the first n lines of javac's
// messages.
public class BatchJavac {
    public static void main(String[] args) throws Exception {
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        PrintStream out = new PrintStream(System.out, true, "UTF-8");
        String line;
        while ((line = in.readLine()) != null) {
            if (line.isEmpty()) continue;
            ByteArrayOutputStream messages = new ByteArrayOutputStream();
            int status = javac.run(null, messages, messages, line.split("\t"));
            if (status == 0) {
                out.println("ok");
                continue;
            }
            String[] lines = messages.toString("UTF-8").split("\n");
            int n = Math.min(lines.length, 20);
            out.println("failed " + n);
            for (int i = 0; i < n; i++) out.println(lines[i]);
        }
    }
}

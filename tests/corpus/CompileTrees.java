// Compiles several trees of Java sources, each on its own, in one Java
// virtual machine: starting javac once per tree would cost more than the
// compiling itself.
//
//     java CompileTrees.java CLASSPATH TREE...
//
// Each TREE is a directory: every .java file below TREE/src is compiled
// against CLASSPATH into TREE/classes.  For each tree one line "ok TREE" or
// "failed TREE" is printed, a failure followed by the compiler's messages.
// The exit status is 1 when any tree failed.
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

public class CompileTrees {
    public static void main(String[] args) throws IOException {
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        String classpath = args[0];
        int failed = 0;
        for (int i = 1; i < args.length; i++) {
            Path tree = Paths.get(args[i]);
            Path classes = tree.resolve("classes");
            Files.createDirectories(classes);
            List<String> sources;
            try (Stream<Path> walk = Files.walk(tree.resolve("src"))) {
                sources = walk.map(Path::toString).filter(p -> p.endsWith(".java")).sorted()
                              .collect(Collectors.toList());
            }
            List<String> options = new ArrayList<>(List.of("-nowarn", "-encoding", "UTF-8", "-proc:none",
                                                           "-cp", classpath, "-d", classes.toString()));
            options.addAll(sources);
            ByteArrayOutputStream messages = new ByteArrayOutputStream();
            int status = sources.isEmpty() ? 0
                : javac.run(null, messages, messages, options.toArray(new String[0]));
            if (status == 0) {
                System.out.println("ok " + tree);
            } else {
                failed++;
                System.out.println("failed " + tree);
                System.out.print(messages.toString(StandardCharsets.UTF_8));
            }
        }
        System.exit(failed == 0 ? 0 : 1);
    }

}

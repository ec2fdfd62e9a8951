#!/usr/bin/env python3
"""Compiles a Java test program of the runtime against quorvex-runtime.jar
and runs it.

    run_runtime_test.py --javac JAVAC --java JAVA --runtime-jar JAR Test.java
"""
import argparse
import os
import subprocess
import sys
import tempfile


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--javac", required=True)
    ap.add_argument("--java", required=True)
    ap.add_argument("--runtime-jar", required=True)
    ap.add_argument("main")
    opts = ap.parse_args()
    jar = os.path.abspath(opts.runtime_jar)
    with tempfile.TemporaryDirectory(prefix="quorvex-runtime-test-") as work:
        proc = subprocess.run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", jar, "-d", work, opts.main],
                              capture_output=True, text=True)
        if proc.returncode != 0:
            print("javac failed:\n" + proc.stdout + proc.stderr)
            return 1
        name = os.path.splitext(os.path.basename(opts.main))[0]
        proc = subprocess.run([opts.java, "-Xmx256m", "-cp", os.pathsep.join([work, jar]), name],
                              capture_output=True, text=True, timeout=600)
        print(proc.stdout + proc.stderr, end="")
        return proc.returncode


if __name__ == "__main__":
    sys.exit(main())

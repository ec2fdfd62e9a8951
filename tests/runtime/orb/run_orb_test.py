#!/usr/bin/env python3
"""Compiles the ORB tests in this folder against quorvex-runtime.jar
and runs one of them.

    run_orb_test.py --javac JAVAC --java JAVA --runtime-jar JAR
                   [--jvm-arg ARG ...] Main [arg ...]

The test fails when javac rejects a file or the main class exits with a
non-zero status.
"""
import argparse
import glob
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--javac", required=True)
    ap.add_argument("--java", required=True)
    ap.add_argument("--runtime-jar", required=True)
    ap.add_argument("--jvm-arg", action="append", default=[])
    ap.add_argument("main")
    ap.add_argument("args", nargs=argparse.REMAINDER)
    opts = ap.parse_args()

    with tempfile.TemporaryDirectory(prefix="quorvex-runtime-test-") as work:
        sources = sorted(glob.glob(os.path.join(HERE, "*.java")))
        proc = subprocess.run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", opts.runtime_jar,
                               "-d", work] + sources, capture_output=True, text=True)
        if proc.returncode != 0:
            print(proc.stdout + proc.stderr)
            return 1
        cp = os.pathsep.join([opts.runtime_jar, work])
        cmd = [opts.java] + opts.jvm_arg + ["-cp", cp, opts.main] + opts.args
        # The child JVMs some tests start find the same classes.
        env = dict(os.environ, QUORVEX_TEST_CLASSPATH=cp, QUORVEX_TEST_JAVA=opts.java)
        return subprocess.run(cmd, env=env).returncode


if __name__ == "__main__":
    sys.exit(main())

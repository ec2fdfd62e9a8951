#!/usr/bin/env python3
"""Generates Java from IDL with quorvex, compiles it with javac against the
runtime library quorvex-runtime.jar, and optionally runs a Java main.

    run_java.py --quorvex Q --javac JAVAC --java JAVA --runtime-jar JAR
                [--main Main.java] [--flag -fclient ...] file.idl ...

Every IDL file is compiled in its own quorvex run into one output tree; the
test fails when quorvex fails, when javac rejects any generated file, or
when the main class exits with a non-zero status.
"""
import argparse
import glob
import os
import subprocess
import sys
import tempfile



def run(cmd, **kw):
    proc = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if proc.returncode != 0:
        print(f"command failed ({proc.returncode}): {' '.join(cmd)}")
        print(proc.stdout + proc.stderr)
        sys.exit(1)
    return proc


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--javac", required=True)
    ap.add_argument("--java", required=True)
    ap.add_argument("--runtime-jar", required=True)
    ap.add_argument("--main")
    ap.add_argument("--flag", action="append", default=[])
    ap.add_argument("idl", nargs="+")
    opts = ap.parse_args()

    with tempfile.TemporaryDirectory(prefix="quorvex-java-") as work:
        out = os.path.join(work, "out")
        classes = os.path.join(work, "classes")
        os.makedirs(out)
        os.makedirs(classes)
        for idl in opts.idl:
            run([os.path.abspath(opts.quorvex), "-fclient"] + opts.flag + ["-j", out, os.path.abspath(idl)],
                cwd=work)
        jar = os.path.abspath(opts.runtime_jar)
        if not os.path.exists(jar):
            print(f"no runtime library at {jar}")
            return 1
        sources = []
        generated = glob.glob(os.path.join(out, "**", "*.java"), recursive=True)
        if not generated:
            print("no Java files were generated")
            return 1
        sources += generated
        if opts.main:
            sources.append(os.path.abspath(opts.main))
        run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", jar, "-d", classes] + sources)
        if opts.main:
            name = os.path.splitext(os.path.basename(opts.main))[0]
            proc = run([opts.java, "-cp", os.pathsep.join([classes, jar]), name])
            print(proc.stdout, end="")
        print(f"{len(generated)} generated files compiled")
    return 0


if __name__ == "__main__":
    sys.exit(main())

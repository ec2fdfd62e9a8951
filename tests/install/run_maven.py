#!/usr/bin/env python3
"""Builds examples/maven offline with Maven: quorvex runs in generate-sources,
and the generated Java compiles with the example's servants against the
runtime library quorvex-runtime.jar, and the example's server runs a
self-test: it calls its own reference over loopback IIOP.

    run_maven.py --quorvex Q --source DIR --runtime-jar JAR --mvn MVN [--javac J --jar J]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile


def run(cmd, **kw):
    proc = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if proc.returncode != 0:
        print(f"command failed ({proc.returncode}): {' '.join(cmd)}\n{proc.stdout[-6000:]}{proc.stderr[-3000:]}")
        sys.exit(1)
    return proc


def main():
    ap = argparse.ArgumentParser()
    for name in ("quorvex", "source", "runtime-jar", "mvn"):
        ap.add_argument("--" + name, required=True)
    # Unused since the runtime comes as a jar; accepted for older callers.
    ap.add_argument("--javac")
    ap.add_argument("--jar")
    opts = ap.parse_args()
    runtime_jar = os.path.abspath(opts.runtime_jar)
    if not os.path.exists(runtime_jar):
        print(f"no runtime library at {runtime_jar}")
        sys.exit(1)
    with tempfile.TemporaryDirectory(prefix="quorvex-maven-") as work:
        project = os.path.join(work, "project")
        shutil.copytree(os.path.join(opts.source, "examples/maven"), project)
        run([opts.mvn, "-B", "-q", "-s", os.path.join(project, "settings.xml"),
             "-Dmaven.repo.local=" + os.path.join(work, "m2"),
             "-Dquorvex=" + os.path.abspath(opts.quorvex),
             "-Didl.file=" + os.path.join(opts.source, "examples/bank.idl"),
             "-Dorb.runtime.jar=" + runtime_jar, "compile"], cwd=project)
        for cls in ("example/BankServer.class", "Bank/_AccountStub.class", "Bank/_BranchImplBase.class"):
            if not os.path.exists(os.path.join(project, "target/classes", cls)):
                print(f"not compiled: {cls}")
                sys.exit(1)
        # The example runs: its server calls its own reference over IIOP.
        java = shutil.which("java")
        if java:
            classes = os.path.join(project, "target/classes")
            proc = run([java, "-cp", runtime_jar + os.pathsep + classes, "example.BankServer", "--self-test"],
                       timeout=120)
            want = "refused: 50000 > 10000\nno account 42\nbalance 10000, accounts 1\n"
            if proc.stdout != want:
                print(f"the example printed:\n{proc.stdout}{proc.stderr}\ninstead of:\n{want}")
                sys.exit(1)
    print("ok")


if __name__ == "__main__":
    main()

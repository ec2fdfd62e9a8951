#!/usr/bin/env python3
"""Builds examples/maven offline with Maven: quorvex runs in generate-sources,
and the generated Java compiles with the example's servants against the
runtime stand-ins of tests/java/runtime, packed as a jar.  A second build
regenerates the sources, which quorvex leaves untouched, so javac compiles
nothing: no generated source and no class file changes its time.

    run_maven.py --quorvex Q --source DIR --javac JAVAC --jar JAR --mvn MVN
"""
import argparse
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time


def run(cmd, **kw):
    proc = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if proc.returncode != 0:
        print(f"command failed ({proc.returncode}): {' '.join(cmd)}\n{proc.stdout[-6000:]}{proc.stderr[-3000:]}")
        sys.exit(1)
    return proc


def times(root):
    """Modification time (ns) of every file below root."""
    found = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            path = os.path.join(dirpath, name)
            found[path] = os.stat(path).st_mtime_ns
    return found


def main():
    ap = argparse.ArgumentParser()
    for name in ("quorvex", "source", "javac", "jar", "mvn"):
        ap.add_argument("--" + name, required=True)
    opts = ap.parse_args()
    with tempfile.TemporaryDirectory(prefix="quorvex-maven-") as work:
        classes = os.path.join(work, "runtime-classes")
        sources = glob.glob(os.path.join(opts.source, "tests/java/runtime/**/*.java"), recursive=True)
        run([opts.javac, "-d", classes] + sources)
        runtime_jar = os.path.join(work, "orb-runtime.jar")
        run([opts.jar, "cf", runtime_jar, "-C", classes, "."])
        project = os.path.join(work, "project")
        shutil.copytree(os.path.join(opts.source, "examples/maven"), project)
        build = [opts.mvn, "-B", "-s", os.path.join(project, "settings.xml"),
                 "-Dmaven.repo.local=" + os.path.join(work, "m2"),
                 "-Dquorvex=" + os.path.abspath(opts.quorvex),
                 "-Didl.file=" + os.path.join(opts.source, "examples/bank.idl"),
                 "-Dorb.runtime.jar=" + runtime_jar, "compile"]
        run(build, cwd=project)
        for cls in ("example/BankServer.class", "Bank/_AccountStub.class", "Bank/_BranchImplBase.class"):
            if not os.path.exists(os.path.join(project, "target/classes", cls)):
                print(f"not compiled: {cls}")
                sys.exit(1)
        first = times(os.path.join(project, "target"))
        # File times have a resolution of a second or better: anything
        # written again would show.
        time.sleep(1.1)
        second = run(build, cwd=project)
        moved = sorted(path for path, t in times(os.path.join(project, "target")).items()
                       if (path.endswith(".java") or path.endswith(".class")) and first.get(path) != t)
        if moved:
            print(f"the second build wrote again: {moved[:10]}\n{second.stdout[-3000:]}")
            sys.exit(1)
    print("ok")


if __name__ == "__main__":
    main()

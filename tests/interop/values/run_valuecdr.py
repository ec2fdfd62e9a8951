#!/usr/bin/env python3
"""Value types in CDR octets, the runtime against omniORB, both ways.

omniORB's C++ of valuecdr.idl (valuecdr.cc) writes a Pack (a cycle of two
nodes, a truncatable Circle sharing one, a null, a value in an abstract
interface, boxed strings) bare and in an any; the runtime (ValueCdr.java,
the value classes written by hand as generated code is shaped) reads them,
with Circle's factory and without it, and writes its own, which omniORB
reads with and without Circle's factory.

    run_valuecdr.py --omniidl OMNIIDL --cxx CXX --javac JAVAC --java JAVA
                    --jar quorvex-runtime.jar --work DIR
"""
import argparse
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def run(cmd, cwd):
    proc = subprocess.run(cmd, cwd=cwd, capture_output=True, text=True, timeout=600)
    out = (proc.stdout + proc.stderr).strip()
    print("$ " + " ".join(os.path.basename(c) if i == 0 else c for i, c in enumerate(cmd)))
    if out:
        print(out)
    return proc.returncode


def main():
    ap = argparse.ArgumentParser()
    for name in ("omniidl", "cxx", "javac", "java", "jar", "work"):
        ap.add_argument("--" + name, required=True)
    opts = ap.parse_args()
    work = os.path.abspath(opts.work)
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(os.path.join(work, "classes"))
    jar = os.path.abspath(opts.jar)
    steps = [
        [opts.omniidl, "-bcxx", "-Wba", "-C" + work, os.path.join(HERE, "valuecdr.idl")],
        [opts.cxx, "-std=c++17", "-O1", "-w", "-I" + work, "-o", os.path.join(work, "valuecdr"),
         os.path.join(HERE, "valuecdr.cc"), os.path.join(work, "valuecdrSK.cc"),
         os.path.join(work, "valuecdrDynSK.cc"), "-lomniORB4", "-lomniDynamic4", "-lomnithread", "-lpthread"],
        [opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", jar, "-d", os.path.join(work, "classes"),
         os.path.join(HERE, "ValueCdr.java")],
    ]
    java = [opts.java, "-cp", os.pathsep.join([jar, os.path.join(work, "classes")]), "VC.ValueCdr"]
    cpp = os.path.join(work, "valuecdr")
    steps += [
        [cpp, "write", "cpp-bare.cdr", "cpp-any.cdr"],
        java + ["read", "cpp-bare.cdr", "cpp-any.cdr"],
        java + ["write", "java-bare.cdr", "java-any.cdr"],
        [cpp, "read", "java-bare.cdr", "java-any.cdr", "known"],
        [cpp, "read", "java-bare.cdr", "java-any.cdr", "unknown"],
    ]
    for cmd in steps:
        if run(cmd, work) != 0:
            print("FAILED")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Edges of a run that case files cannot express.

    run_edges.py --quorvex Q filesize   writes fail under a small file-size limit
    run_edges.py --quorvex Q parallel   eight compilers share one output root
    run_edges.py --quorvex Q --fallback PATH nowrapper
                                        the program without its preprocessor wrapper
"""
import shutil
import argparse
import os
import resource
import signal
import subprocess
import sys
import tempfile


def fail(text):
    print(text)
    sys.exit(1)


def file_size_limit(quorvex, work):
    # One struct whose class is far longer than the limit, one whose files
    # all fit; SIGXFSZ is ignored so that writes fail with EFBIG instead.
    members = "".join(f"    long member_with_a_long_name_{i};\n" for i in range(200))
    with open(os.path.join(work, "a.idl"), "w") as f:
        f.write("module M {\n  struct Big {\n" + members + "  };\n  typedef long Small;\n};\n")
    limit = 4096

    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    proc = subprocess.run([quorvex, "-fclient", "-j", ".", "-J", "list.txt", "a.idl"], cwd=work,
                          capture_output=True, text=True, preexec_fn=limited, restore_signals=False)
    if proc.returncode != 1:
        fail(f"status {proc.returncode}, expected 1\n{proc.stderr}")
    expected = f"quorvex: JavaStructType: cannot write file `./M/Big.java'; File too large\n"
    if expected not in proc.stderr:
        fail(f"no write error for Big.java in:\n{proc.stderr}")
    listed = open(os.path.join(work, "list.txt")).read().split()
    for name in ("Big.java", "BigHelper.java"):
        if os.path.exists(os.path.join(work, "M", name)) or f"./M/{name}" in listed:
            fail(f"the truncated M/{name} was left behind or listed")
    # Files that fit are written whole.
    for name in ("BigHolder.java", "SmallHelper.java"):
        path = os.path.join(work, "M", name)
        if not os.path.exists(path) or not open(path).read().endswith("}\n"):
            fail(f"M/{name} is missing or incomplete")
        if f"./M/{name}" not in listed:
            fail(f"M/{name} is not in the -J list")


def parallel(quorvex, work):
    # Eight files sharing the modules Shared and Shared::Inner, each adding
    # types of its own, compiled at once into one root, for several rounds.
    for rnd in range(5):
        root = os.path.join(work, f"round{rnd}")
        os.mkdir(root)
        names = []
        for i in range(8):
            name = os.path.join(work, f"f{i}.idl")
            with open(name, "w") as f:
                f.write("module Shared { module Inner {\n"
                        f"  struct S{i} {{ long a; string b; }};\n"
                        f"  enum E{i} {{ A{i}, B{i} }};\n"
                        "}; };\n")
            names.append(name)
        procs = [subprocess.Popen([quorvex, "-fclient", "-j", root, n], stdout=subprocess.PIPE,
                                  stderr=subprocess.PIPE, text=True) for n in names]
        for i, p in enumerate(procs):
            out, err = p.communicate()
            if p.returncode != 0:
                fail(f"round {rnd}, file {i}: status {p.returncode}\n{err}")
        inner = os.path.join(root, "Shared", "Inner")
        for i in range(8):
            for cls in (f"S{i}", f"S{i}Helper", f"S{i}Holder", f"E{i}", f"E{i}Helper", f"E{i}Holder"):
                path = os.path.join(inner, cls + ".java")
                if not os.path.exists(path) or not open(path).read().endswith("}\n"):
                    fail(f"round {rnd}: {cls}.java missing or incomplete")


def no_wrapper(quorvex, work, fallback):
    # The program copied alone, then beside a wrapper that is not executable
    # and beside a directory of the wrapper's name: each run ends with one
    # message naming the path it tried last, the built-in one.
    if os.path.exists(fallback):
        print(f"skipped: {fallback} exists on this machine")
        sys.exit(77)
    bin_dir = os.path.join(work, "bin")
    os.mkdir(bin_dir)
    copy = os.path.join(bin_dir, "quorvex")
    shutil.copy2(quorvex, copy)
    with open(os.path.join(work, "a.idl"), "w") as f:
        f.write("module M { struct S { long x; }; };\n")
    wrapper = os.path.join(bin_dir, "quorvex-cpp")
    expected = f"quorvex: fatal error: cannot preprocess input: cannot run `{fallback}'; No such file or directory\n"
    for beside in ("nothing", "a file that is not executable", "a directory"):
        if beside == "a file that is not executable":
            with open(wrapper, "w") as f:
                f.write("#!/bin/sh\nexec cpp \"$@\"\n")
            os.chmod(wrapper, 0o644)
        elif beside == "a directory":
            os.remove(wrapper)
            os.mkdir(wrapper)
        proc = subprocess.run([copy, "-fclient", "-j", work, "a.idl"], cwd=work, capture_output=True, text=True)
        if proc.returncode != 1 or proc.stderr != expected or proc.stdout:
            fail(f"beside {beside}: status {proc.returncode}, output:\n{proc.stdout}{proc.stderr}"
                 f"expected:\n{expected}")
        if os.path.exists(os.path.join(work, "M")):
            fail(f"beside {beside}: files written without a preprocessor")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--fallback", help="the wrapper path built into the program")
    ap.add_argument("case", choices=["filesize", "parallel", "nowrapper"])
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    with tempfile.TemporaryDirectory(prefix="quorvex-edges-") as work:
        if opts.case == "nowrapper":
            no_wrapper(quorvex, work, opts.fallback)
        else:
            {"filesize": file_size_limit, "parallel": parallel}[opts.case](quorvex, work)
    print("ok")


if __name__ == "__main__":
    main()

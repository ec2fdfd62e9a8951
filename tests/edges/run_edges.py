#!/usr/bin/env python3
"""Edges of a run that case files cannot express.

    run_edges.py --quorvex Q filesize   writes fail under a small file-size limit
    run_edges.py --quorvex Q errorlimit the error limit is reached while writing
    run_edges.py --quorvex Q signals    the program killed while it writes a tree
    run_edges.py --quorvex Q unchanged  a second run leaves an unchanged tree alone
    run_edges.py --quorvex Q timezones  SOURCE_DATE_EPOCH: one tree in any time zone
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
import time


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


def tree_files(root):
    """Every file below root, by path relative to it."""
    found = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            path = os.path.join(dirpath, name)
            found[os.path.relpath(path, root)] = path
    return found


def check_whole(root, what, allow_temp=False, skip=(), pid=None):
    """Every .java file below root (but those in skip) ends with its closing
    brace; no temporary file is left unless allow_temp (a run killed outright
    leaves one).  With pid, only that run's temporary files (.NAME.PID.tmp)
    count: one an earlier run killed outright left behind is not this run's."""
    for rel, path in tree_files(root).items():
        if path in skip:
            continue
        name = os.path.basename(rel)
        if name.startswith("."):
            earlier = pid is not None and name.endswith(".tmp") and not name.endswith(f".{pid}.tmp")
            if not earlier and (not allow_temp or not name.endswith(".tmp")):
                fail(f"{what}: temporary file {rel} left behind")
            continue
        if not name.endswith(".java"):
            continue
        with open(path, "rb") as f:
            text = f.read()
        if not text.rstrip().endswith(b"}") and not text.rstrip().endswith(b"};"):
            fail(f"{what}: {rel} is cut short ({len(text)} bytes)")


def error_limit(quorvex, work):
    # 40 structs under a limit of 1 KiB: most Helpers are longer, each
    # failed write is an error, and the 31st ends the run ("too many errors")
    # in the middle of the writes.  A file from an earlier run keeps its
    # content.
    with open(os.path.join(work, "a.idl"), "w") as f:
        f.write("module B {\n" + "".join(f"  struct S{i} {{ long a; string b; double c; }};\n"
                                          for i in range(40)) + "};\n")
    os.mkdir(os.path.join(work, "B"))
    earlier = os.path.join(work, "B", "S0Helper.java")
    with open(earlier, "w") as f:
        f.write("earlier content\n")
    limit = 1024

    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    proc = subprocess.run([quorvex, "-fclient", "-j", ".", "a.idl"], cwd=work, capture_output=True,
                          text=True, preexec_fn=limited, restore_signals=False)
    if proc.returncode != 1 or "quorvex: fatal error: too many errors\n" not in proc.stderr:
        fail(f"status {proc.returncode}, expected 1 after too many errors:\n{proc.stderr}")
    if proc.stderr.count("File too large") != 31:
        fail(f"expected 31 failed writes:\n{proc.stderr}")
    check_whole(work, "error limit", skip=(earlier,))
    if open(earlier).read() != "earlier content\n":
        fail("a file that existed before the failed run lost its content")
    for rel, path in tree_files(work).items():
        if rel.endswith(".java") and os.path.getsize(path) >= limit and path != earlier:
            fail(f"{rel} reached the limit of {limit} bytes")


def signals(quorvex, work):
    # A tree of a few thousand files, the run killed after a while: by the
    # signals the program handles (no temporary file may stay) and by
    # SIGKILL (a temporary file may stay, but never a cut .java file).
    # Between rounds the IDL changes, so files are being replaced as well.
    idl = os.path.join(work, "big.idl")
    out = os.path.join(work, "out")
    os.mkdir(out)
    members = "".join(f"    long member_number_{i};\n" for i in range(40))

    def write_idl(version):
        with open(idl, "w") as f:
            for m in range(20):
                f.write(f"module M{m} {{\n")
                for i in range(100):
                    f.write(f"  struct S{i} {{\n{members}    short v{version};\n  }};\n")
                f.write("};\n")

    write_idl(0)
    killed = 0
    rounds = [(signal.SIGTERM, 0.3), (signal.SIGINT, 0.6), (signal.SIGHUP, 0.9), (signal.SIGKILL, 0.5),
              (signal.SIGTERM, 1.2), (signal.SIGKILL, 1.0)]
    for n, (sig, delay) in enumerate(rounds):
        write_idl(n + 1)
        proc = subprocess.Popen([quorvex, "-fclient", "-j", out, idl], stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE)
        # Wait until the run writes files, then a little more.
        deadline = time.time() + 30
        while proc.poll() is None and not os.listdir(out) and time.time() < deadline:
            time.sleep(0.01)
        time.sleep(delay)
        if proc.poll() is None:
            proc.send_signal(sig)
            killed += 1
        proc.communicate()
        if proc.poll() is not None and proc.returncode not in (0, -sig):
            fail(f"{signal.Signals(sig).name}: status {proc.returncode}")
        check_whole(out, f"round {n} ({signal.Signals(sig).name})", allow_temp=sig == signal.SIGKILL, pid=proc.pid)
    if killed == 0:
        fail("every run ended before its signal: the tree is too small to test this")
    # A whole run afterwards leaves the tree whole and removes nothing else.
    proc = subprocess.run([quorvex, "-fclient", "-j", out, idl], capture_output=True, text=True)
    if proc.returncode != 0:
        fail(f"the last run failed:\n{proc.stderr}")
    check_whole(out, "after a whole run", allow_temp=True)


def stamps(root):
    return {rel: (os.stat(p).st_mtime_ns, os.stat(p).st_ino) for rel, p in tree_files(root).items()}


def changed(before, after):
    return sorted(rel for rel in set(before) | set(after) if before.get(rel) != after.get(rel))


def unchanged(quorvex, work):
    # Twice into one root: nothing is touched the second time, the list and
    # the dependency rule included.  -fno-keep-unchanged writes every file.
    idl = os.path.join(work, "a.idl")
    out = os.path.join(work, "out")
    decls = [f"  struct S{i} {{ long a; }};\n" for i in range(10)] + ["  interface I { void op(in long x); };\n"]

    def write_idl(lines, mtime):
        with open(idl, "w") as f:
            f.write("module M {\n" + "".join(lines) + "};\n")
        os.utime(idl, (mtime, mtime))

    def run(*extra, env=None):
        proc = subprocess.run([quorvex, "-fclient", "-fserver", "-j", out, "-J", "out/list.txt"] + list(extra)
                              + ["a.idl"], cwd=work, capture_output=True, text=True,
                              env=dict(os.environ, KELDRO_DEPENDENCIES="out/deps.mk out/x", **(env or {})))
        if proc.returncode != 0:
            fail(f"run {extra} failed:\n{proc.stderr}")
        return proc

    now = int(time.time())
    write_idl(decls, now - 100)
    os.mkdir(out)
    run()
    first = stamps(out)
    time.sleep(0.02)
    verbose = run("-fverbose")
    if changed(first, stamps(out)):
        fail(f"a second run changed {changed(first, stamps(out))}")
    if "writing file" in verbose.stderr or verbose.stderr.count("unchanged file") != len(first) - 2:
        fail(f"-fverbose does not say that every file is unchanged:\n{verbose.stderr}")
    run("-fno-keep-unchanged")
    rewritten = changed(first, stamps(out))
    if len(rewritten) != len(first):
        fail(f"-fno-keep-unchanged left files alone: {sorted(set(first) - set(rewritten))}")

    # Without SOURCE_DATE_EPOCH an edit changes the Date line of every file
    # of the IDL file; with it, only the edited declaration's files change.
    decls[3] = "  struct S3 { long a; short b; };\n"
    before = stamps(out)
    write_idl(decls, now - 50)
    run()
    if changed(before, stamps(out)) != sorted(rel for rel in before if rel.endswith(".java")):
        fail("without SOURCE_DATE_EPOCH an edit should change every Java file, and neither the list"
             " nor the dependency rule")
    pinned = {"SOURCE_DATE_EPOCH": str(now - 1000)}
    run(env=pinned)
    before = stamps(out)
    decls[5] = "  struct S5 { long a; long b; };\n"
    write_idl(decls, now - 20)
    run(env=pinned)
    edited = changed(before, stamps(out))
    if "M/S5.java" not in edited or any(not rel.startswith("M/S5") for rel in edited):
        fail(f"after editing S5, changed: {edited}; expected only files of S5")


def time_zones(quorvex, work):
    # The same IDL in two checkouts made at different times, generated in two
    # time zones with SOURCE_DATE_EPOCH set: byte-identical trees.  Without
    # it the Date lines differ.
    pinned = "1700000000"
    trees = []
    for n, (tz, age) in enumerate((("UTC0", 10), ("JST-9", 5000), ("PST8PDT", 99))):
        checkout = os.path.join(work, f"checkout{n}")
        os.mkdir(checkout)
        idl = os.path.join(checkout, "a.idl")
        with open(idl, "w") as f:
            f.write("module M { struct S { long a; }; interface I { long op(); }; const long C = 1; };\n")
        os.utime(idl, (time.time() - age, time.time() - age))
        for pin in (pinned, None):
            env = dict(os.environ, TZ=tz)
            env.pop("SOURCE_DATE_EPOCH", None)
            if pin:
                env["SOURCE_DATE_EPOCH"] = pin
            out = "out" if pin else "unpinned"
            os.mkdir(os.path.join(checkout, out))
            proc = subprocess.run([quorvex, "-fclient", "-fserver", "-j", out, "a.idl"], cwd=checkout,
                                  capture_output=True, text=True, env=env)
            if proc.returncode != 0:
                fail(f"TZ={tz}: {proc.stderr}")
        trees.append(checkout)

    def contents(root):
        return {rel: open(p, "rb").read() for rel, p in tree_files(root).items()}

    first = contents(os.path.join(trees[0], "out"))
    if not first or b" * Date: Tue Nov 14 22:13:20 2023\n" not in first["M/S.java"]:
        fail("the Date line is not SOURCE_DATE_EPOCH in UTC")
    for other in trees[1:]:
        if contents(os.path.join(other, "out")) != first:
            fail(f"{other}: the tree differs under SOURCE_DATE_EPOCH")
    if contents(os.path.join(trees[0], "unpinned")) == contents(os.path.join(trees[1], "unpinned")):
        fail("without SOURCE_DATE_EPOCH the trees should differ (file times, time zones)")


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
    ap.add_argument("case", choices=["filesize", "errorlimit", "signals", "unchanged", "timezones", "parallel",
                                     "nowrapper"])
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    with tempfile.TemporaryDirectory(prefix="quorvex-edges-") as work:
        if opts.case == "nowrapper":
            no_wrapper(quorvex, work, opts.fallback)
        else:
            {"filesize": file_size_limit, "errorlimit": error_limit, "signals": signals, "unchanged": unchanged,
             "timezones": time_zones, "parallel": parallel}[opts.case](quorvex, work)
    print("ok")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Runs every IDL file of Debian's omniorb-idl package through quorvex
-fcorba3 with both sides, as a build of the package's IDL would: each file
in its own run, all into one output root, so that each file's includes are
written too (they are files of the package).  Each run must end as the table
says (omniorb_idl.tsv: writes, nothing, or the message of its failure);
then all the Java written is compiled in one javac run against the runtime
library.  A file the table does not list, or a row with no file, fails the
test too.

usage: run_omniorb_idl.py --quorvex Q --javac JAVAC --runtime-jar JAR
                          --idl-dir /usr/share/idl/omniORB --table omniorb_idl.tsv
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile


def read_table(path):
    rows = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#") or line.startswith("path\t"):
                continue
            fields = line.split("\t")
            rows[fields[0]] = fields[1]
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--javac", required=True)
    ap.add_argument("--runtime-jar", required=True)
    ap.add_argument("--idl-dir", required=True)
    ap.add_argument("--table", required=True)
    opts = ap.parse_args()

    rows = read_table(opts.table)
    files = sorted(os.path.relpath(p, opts.idl_dir)
                   for p in glob.glob(os.path.join(opts.idl_dir, "**", "*.idl"), recursive=True))
    faults = [f"{f}: not in the table" for f in files if f not in rows]
    faults += [f"{f}: in the table, not in {opts.idl_dir}" for f in rows if f not in files]
    includes = [f"-I{opts.idl_dir}", f"-I{os.path.join(opts.idl_dir, 'COS')}"]
    with tempfile.TemporaryDirectory(prefix="quorvex-omniorb-") as work:
        out = os.path.join(work, "out")
        os.makedirs(out)
        written = 0
        for f in files:
            if f not in rows:
                continue
            listing = os.path.join(work, "written.txt")
            proc = subprocess.run([opts.quorvex, "-fcorba3", "-fclient", "-fserver"] + includes +
                                  ["-j", out, "-J", listing, os.path.join(opts.idl_dir, f)],
                                  capture_output=True, text=True, cwd=work)
            expected = rows[f]
            if expected in ("writes", "nothing"):
                if proc.returncode != 0:
                    faults.append(f"{f}: failed ({proc.returncode}):\n{proc.stderr}")
                    continue
                with open(listing, encoding="utf-8") as l:
                    count = sum(1 for line in l if line.strip())
                written += count
                if (count > 0) != (expected == "writes"):
                    faults.append(f"{f}: expected {expected}, wrote {count} files")
            elif proc.returncode == 0:
                faults.append(f"{f}: accepted, expected to fail with: {expected}")
            elif expected not in proc.stderr:
                faults.append(f"{f}: expected the message: {expected}\ngot:\n{proc.stderr}")
        accepted = sum(1 for f in files if rows.get(f) in ("writes", "nothing"))
        sources = glob.glob(os.path.join(out, "**", "*.java"), recursive=True)
        if sources:
            args = os.path.join(work, "sources.txt")
            with open(args, "w", encoding="utf-8") as a:
                a.write("\n".join(sources) + "\n")
            classes = os.path.join(work, "classes")
            os.makedirs(classes)
            proc = subprocess.run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-Xmaxerrs", "50",
                                   "-cp", opts.runtime_jar, "-d", classes, "@" + args],
                                  capture_output=True, text=True)
            if proc.returncode != 0:
                # Name the IDL file each failing Java file came from.
                origins = set()
                for path in re.findall(r"^(\S+\.java):\d+: error", proc.stdout + proc.stderr, re.M):
                    with open(path, encoding="utf-8") as j:
                        m = re.search(r"^ \* From: (.*)$", j.read(), re.M)
                    origins.add(m.group(1) if m else path)
                faults.append("javac rejects the Java of " + ", ".join(sorted(origins)) + ":\n" +
                              proc.stdout + proc.stderr)
    for fault in faults:
        print(fault)
    print(f"{accepted} of {len(files)} files accepted, {len(sources)} Java files written and compiled")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

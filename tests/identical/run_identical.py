#!/usr/bin/env python3
"""Output stays byte-identical: large generated inputs (../shared/bench/
gen-idl.py, seed 1, each shape) are compiled with both sides, and a digest
of every file written (path and bytes) and of the messages is compared with
the digest recorded in digests.txt from the compiler before its performance
work.  The input's modification time is fixed and TZ is UTC, so the date
in the header comments is the same on every machine.

    run_identical.py --quorvex Q --gen GEN [--record]

--record rewrites digests.txt from the compiler given.
"""
import argparse
import hashlib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DIGESTS = os.path.join(HERE, "digests.txt")
CASES = [("mixed", 5000), ("wide", 5000), ("deep", 5000)]
FIXED_TIME = 946684800  # 2000-01-01 00:00:00 UTC


def digest(quorvex, gen, shape, decls):
    with tempfile.TemporaryDirectory(prefix="quorvex-identical-") as work:
        idl = os.path.join(work, f"{shape}.idl")
        with open(idl, "w") as f:
            subprocess.run([sys.executable, gen, "--decls", str(decls), "--shape", shape, "--seed", "1"],
                           stdout=f, check=True)
        os.utime(idl, (FIXED_TIME, FIXED_TIME))
        os.mkdir(os.path.join(work, "out"))
        env = dict(os.environ, TZ="UTC")
        proc = subprocess.run([quorvex, "-fclient", "-fserver", "-j", "out", f"{shape}.idl"], cwd=work,
                              env=env, capture_output=True)
        h = hashlib.sha256()
        h.update(b"status %d\n" % proc.returncode)
        h.update(proc.stdout + proc.stderr)
        count = 0
        out = os.path.join(work, "out")
        for root, dirs, files in os.walk(out):
            dirs.sort()
            for name in sorted(files):
                path = os.path.join(root, name)
                h.update(os.path.relpath(path, out).encode() + b"\0")
                with open(path, "rb") as f:
                    h.update(f.read())
                h.update(b"\0")
                count += 1
        return f"{h.hexdigest()} {count}"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--gen", required=True)
    ap.add_argument("--record", action="store_true")
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    got = {f"{shape}-{decls}": digest(quorvex, opts.gen, shape, decls) for shape, decls in CASES}
    if opts.record:
        with open(DIGESTS, "w") as f:
            for key, value in got.items():
                f.write(f"{key} {value}\n")
        print(f"recorded {len(got)} digests")
        return 0
    want = {}
    with open(DIGESTS) as f:
        for line in f:
            key, value = line.split(" ", 1)
            want[key] = value.strip()
    bad = 0
    for key, value in got.items():
        if want.get(key) != value:
            print(f"{key}: output differs: digest and files {value}, recorded {want.get(key)}")
            bad += 1
        else:
            print(f"{key}: identical ({value.split()[1]} files)")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Random-program test: for each seed, random_idl.py writes a valid IDL file,
quorvex generates both sides, and javac compiles everything against the
runtime stand-ins.  Each seed's classes go below their own package prefix
(-p s<seed>), so one javac run compiles a whole batch.

    run_random.py --quorvex Q --javac JAVAC [--first N] [--count N] [--batch N]

A failing seed is named with the command that reproduces it.
"""
import argparse
import glob
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
RUNTIME = os.path.join(HERE, "..", "java", "runtime")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--javac", required=True)
    ap.add_argument("--first", type=int, default=1)
    ap.add_argument("--count", type=int, default=20)
    ap.add_argument("--batch", type=int, default=200)
    ap.add_argument("--runtime", default=RUNTIME, help="the runtime stand-ins' sources")
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    runtime = glob.glob(os.path.join(opts.runtime, "**", "*.java"), recursive=True)
    failed = []
    seeds = list(range(opts.first, opts.first + opts.count))
    for start in range(0, len(seeds), opts.batch):
        batch = seeds[start:start + opts.batch]
        with tempfile.TemporaryDirectory(prefix="quorvex-random-") as work:
            out = os.path.join(work, "out")
            os.mkdir(out)
            compiled = []
            for seed in batch:
                idl = os.path.join(work, f"r{seed}.idl")
                with open(idl, "w") as f:
                    subprocess.run([sys.executable, os.path.join(HERE, "random_idl.py"), str(seed)],
                                   stdout=f, check=True)
                proc = subprocess.run([quorvex, "-fclient", "-fserver", "-p", f"s{seed}", "-j", out, idl],
                                      capture_output=True, text=True)
                # Warnings (a union with no free discriminator value) are fine.
                noise = [l for l in proc.stderr.splitlines() if ": warning: " not in l]
                if proc.returncode != 0 or noise:
                    failed.append(seed)
                    print(f"seed {seed}: quorvex status {proc.returncode}\n{proc.stderr[:2000]}")
                else:
                    compiled.append(seed)
            sources = glob.glob(os.path.join(out, "**", "*.java"), recursive=True)
            if not sources:
                continue
            classes = os.path.join(work, "classes")
            proc = subprocess.run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-d", classes, "-J-Xss8m"]
                                  + runtime + sources, capture_output=True, text=True)
            if proc.returncode != 0:
                bad = sorted({int(p.split(os.sep)[0][1:]) for p in
                              (os.path.relpath(line.split(":")[0], out) for line in proc.stdout.splitlines()
                               + proc.stderr.splitlines() if line.startswith(out))
                              if p.startswith("s")})
                failed += bad or batch
                print(f"javac failed for seeds {bad or batch}:\n{(proc.stdout + proc.stderr)[:6000]}")
    for seed in failed:
        print(f"reproduce: python3 {os.path.join(HERE, 'random_idl.py')} {seed} > r.idl && "
              f"quorvex -fclient -fserver -j out r.idl")
    print(f"{len(seeds) - len(set(failed))} of {len(seeds)} seeds passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

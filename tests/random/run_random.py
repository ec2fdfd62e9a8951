#!/usr/bin/env python3
"""Random-program test: for each seed, random_idl.py writes a valid IDL file,
quorvex generates both sides, javac compiles everything against the runtime
library quorvex-runtime.jar, and RandomTrip writes, reads back and writes again a value of
every generated data type.  Each seed's program with one declaration added
that must be refused (random_idl.refused) must give its error.  Each seed's outermost module is named after the
seed (one seed in four also gets a package prefix, -p s<seed>), so one javac
run and one java run serve a whole batch.

    run_random.py --quorvex Q --javac JAVAC [--java JAVA] [--runtime-jar JAR]
                  [--first N] [--count N] [--batch N]

A failing seed is named with the command that reproduces it.
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import random_idl  # noqa: E402
RUNTIME_JAR = os.path.join(HERE, "..", "..", "build", "quorvex-runtime.jar")
TRIP = os.path.join(HERE, "RandomTrip.java")
SEED = re.compile(r"^(?:s\d+/)?(?:p(\d+)/gen/)?(?:_?[A-Za-z]\w*/)?R(\d+)x?/")
def seed_of(path):
    """The seed whose output holds the path (relative to the output root)."""
    m = SEED.match(path.replace(os.sep, "/"))
    return int(m.group(1) or m.group(2)) if m else None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--javac", required=True)
    ap.add_argument("--java", default="java")
    ap.add_argument("--first", type=int, default=1)
    ap.add_argument("--count", type=int, default=20)
    ap.add_argument("--batch", type=int, default=200)
    ap.add_argument("--runtime-jar", default=RUNTIME_JAR, help="the runtime library")
    ap.add_argument("--want-values", action="store_true",
                    help="fail unless some value type, some abstract interface carrying a value and some "
                         "fixed-point value were round-tripped")
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    jar = os.path.abspath(opts.runtime_jar)
    if not os.path.exists(jar):
        print(f"no runtime library at {jar}")
        return 1
    failed = []
    trips = 0
    # Round trips of values that are not null, of abstract interfaces
    # carrying one, of fixed-point values (RandomTrip's next-to-last line).
    kinds = [0, 0, 0]
    seeds = list(range(opts.first, opts.first + opts.count))
    for start in range(0, len(seeds), opts.batch):
        batch = seeds[start:start + opts.batch]
        with tempfile.TemporaryDirectory(prefix="quorvex-random-") as work:
            out = os.path.join(work, "out")
            os.mkdir(out)
            compiled = []
            for seed in batch:
                idl = os.path.join(work, f"r{seed}.idl")
                text = random_idl.Gen(seed).program(seed)
                with open(idl, "w") as f:
                    f.write(text)
                prefix = ["-p", f"s{seed}"] if seed % 4 == 0 else []
                prefix += ["-fcorba3"] if random_idl.uses_corba3(seed) else []
                # The same program with one declaration it must refuse.
                bad_text, words = random_idl.refused(seed)
                with open(idl + ".bad.idl", "w") as f:
                    f.write(bad_text)
                proc = subprocess.run([quorvex, "-fno-write-files"] + prefix + [idl + ".bad.idl"],
                                      capture_output=True, text=True)
                if proc.returncode != 1 or words not in proc.stderr:
                    failed.append(seed)
                    print(f"seed {seed}: the refused program gave status {proc.returncode} without "
                          f"{words!r}:\n{proc.stderr[:2000]}")
                proc = subprocess.run([quorvex, "-fclient", "-fserver"] + prefix + ["-J", f"{idl}.files", "-j", out, idl],
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
            proc = subprocess.run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", jar, "-d", classes, "-J-Xss8m"]
                                  + [TRIP] + sources, capture_output=True, text=True)
            if proc.returncode != 0:
                bad = sorted({seed_of(line[len(out) + 1:]) for line in proc.stdout.splitlines()
                              + proc.stderr.splitlines() if line.startswith(out + os.sep)} - {None})
                failed += bad or batch
                print(f"javac failed for seeds {bad or batch}:\n{(proc.stdout + proc.stderr)[:6000]}")
                continue
            # The Helpers of every seed that compiled, by class name.
            helpers = os.path.join(work, "helpers.txt")
            with open(helpers, "w") as f:
                for seed in compiled:
                    with open(os.path.join(work, f"r{seed}.idl.files")) as listed:
                        for path in listed.read().split():
                            name = os.path.relpath(path, out)[:-len(".java")].replace(os.sep, ".")
                            if name.endswith("Helper"):
                                f.write(name + "\n")
            proc = subprocess.run([opts.java, "-Xss8m", "-cp", os.pathsep.join([classes, jar]), "RandomTrip", helpers],
                                  capture_output=True, text=True)
            if proc.returncode != 0:
                bad = sorted({seed_of(line.split()[1].replace(".", os.sep)) for line in proc.stdout.splitlines()
                              if line.startswith("FAILED: ")} - {None})
                failed += bad or batch
                print(f"round trip failed for seeds {bad or batch}:\n{(proc.stdout + proc.stderr)[:6000]}")
            else:
                lines = proc.stdout.splitlines()
                trips += int(lines[-1].split()[0])
                kinds = [a + int(b) for a, b in zip(kinds, re.findall(r"\d+", lines[-2]))]
    for seed in failed:
        print(f"reproduce: python3 {os.path.join(HERE, 'random_idl.py')} {seed} > r.idl && "
              f"quorvex -fclient -fserver{' -p s' + str(seed) if seed % 4 == 0 else ''}"
              f"{' -fcorba3' if random_idl.uses_corba3(seed) else ''} -j out r.idl")
    print(f"{len(seeds) - len(set(failed))} of {len(seeds)} seeds passed ({trips} values round-tripped: "
          f"{kinds[0]} of value types, {kinds[1]} of abstract interfaces carrying a value, "
          f"{kinds[2]} holding fixed-point values)")
    if opts.want_values and 0 in kinds:
        print("some kind of value was never round-tripped")
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The benchmark table: quorvex against reference runs on the same input.

    bench/run_bench.py [--quorvex build/quorvex] [--sizes 10000,100000]
                       [--shapes mixed,wide,deep] [--runs 5]
                       [--cache build/bench-inputs] [--disk DIR]

Inputs come from ../shared/bench/gen-idl.py (shapes mixed, wide, deep,
seed 1) and are cached.  Each row is the median of --runs runs, with user
and system CPU apart and the peak resident memory:
  front    -fno-write-files, against the preprocessor wrapper alone (ratio)
  no-cpp   -fno-cpp -fno-write-files, in MB of IDL a second
  gen/shm, gen/disk  -fclient -fserver into a fresh directory, against
           tar -x of the same tree into a fresh directory (ratio), with the
           number of files and user CPU per file
  again/shm, again/disk  (mixed shape) the same run again over the tree the
           first left, unchanged: its time against the first run's and the
           number of files whose modification time changed (0 expected)
  growth   time at the largest size over time at the smallest, per shape,
           of the front end and of generation on the memory file system
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def measure(cmd, runs, stdin_path=None, before=None):
    """Median wall, user and system seconds and the largest peak memory (MiB)."""
    walls, users, syss, peaks = [], [], [], []
    for _ in range(runs):
        if before:
            before()
        stdin = open(stdin_path, "rb") if stdin_path else None
        start = time.perf_counter()
        proc = subprocess.Popen(cmd, stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        err = proc.stderr.read()
        _, status, usage = os.wait4(proc.pid, 0)
        walls.append(time.perf_counter() - start)
        if stdin:
            stdin.close()
        if status != 0:
            sys.exit(f"failed ({status}): {' '.join(cmd)}\n{err.decode()[:2000]}")
        users.append(usage.ru_utime)
        syss.append(usage.ru_stime)
        peaks.append(usage.ru_maxrss / 1024)
    return statistics.median(walls), statistics.median(users), statistics.median(syss), max(peaks)


def file_times(root):
    """Modification time (ns) of every file below root."""
    times = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            path = os.path.join(dirpath, name)
            times[path] = os.stat(path).st_mtime_ns
    return times


def inputs(cache, gen, sizes, shapes):
    os.makedirs(cache, exist_ok=True)
    files = {}
    for shape in shapes:
        for n in sizes:
            path = os.path.join(cache, f"{shape}-{n}.idl")
            if not os.path.exists(path):
                with open(path + ".tmp", "w") as f:
                    subprocess.run([sys.executable, gen, "--decls", str(n), "--shape", shape, "--seed", "1"],
                                   stdout=f, check=True)
                os.rename(path + ".tmp", path)
            files[shape, n] = path
    return files


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", default=os.path.join(ROOT, "build", "quorvex"))
    ap.add_argument("--sizes", default="10000,100000")
    ap.add_argument("--shapes", default="mixed,wide,deep")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--cache", default=os.path.join(ROOT, "build", "bench-inputs"))
    ap.add_argument("--gen", default=os.path.join(ROOT, "..", "shared", "bench", "gen-idl.py"))
    ap.add_argument("--shm", default="/dev/shm" if os.path.isdir("/dev/shm") else tempfile.gettempdir())
    ap.add_argument("--disk", default=os.path.join(ROOT, "build"))
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    wrapper = os.path.join(os.path.dirname(quorvex), "quorvex-cpp")
    sizes = [int(s) for s in opts.sizes.split(",")]
    shapes = opts.shapes.split(",")
    files = inputs(opts.cache, opts.gen, sizes, shapes)
    runs = opts.runs

    print(f"{'row':<10} {'shape':<6} {'decls':>7} {'wall s':>8} {'user s':>8} {'sys s':>7} {'MiB':>7}  vs reference")
    wall_at, gen_at = {}, {}
    for (shape, n), idl in files.items():
        mb = os.path.getsize(idl) / 1e6
        front = measure([quorvex, "-fno-write-files", idl], runs)
        cpp = measure([wrapper, "-B", "-C", "-Y"], runs, stdin_path=idl)
        print(f"{'front':<10} {shape:<6} {n:>7} {front[0]:8.3f} {front[1]:8.3f} {front[2]:7.3f} {front[3]:7.1f}"
              f"  {front[0] / cpp[0]:.2f} x cpp alone ({cpp[0]:.3f} s)")
        nocpp = measure([quorvex, "-fno-cpp", "-fno-write-files", idl], runs)
        print(f"{'no-cpp':<10} {shape:<6} {n:>7} {nocpp[0]:8.3f} {nocpp[1]:8.3f} {nocpp[2]:7.3f} {nocpp[3]:7.1f}"
              f"  {mb / nocpp[0]:.1f} MB/s of {mb:.1f} MB")
        wall_at[shape, n] = front[0]
        for place, base in (("shm", opts.shm), ("disk", opts.disk)):
            work = tempfile.mkdtemp(prefix="quorvex-bench-", dir=base)
            try:
                out = os.path.join(work, "out")

                def fresh():
                    shutil.rmtree(out, ignore_errors=True)
                    os.mkdir(out)

                gen = measure([quorvex, "-fclient", "-fserver", "-j", out, idl], runs, before=fresh)
                count = sum(len(f) for _, _, f in os.walk(out))
                tar = os.path.join(work, "tree.tar")
                subprocess.run(["tar", "-cf", tar, "-C", out, "."], check=True)
                target = os.path.join(work, "untar")

                def fresh_target():
                    shutil.rmtree(target, ignore_errors=True)
                    os.mkdir(target)

                untar = measure(["tar", "-xf", tar, "-C", target], runs, before=fresh_target)
                per_file = gen[1] / count * 1e6 if count else 0
                if place == "shm":
                    gen_at[shape, n] = gen[0]
                print(f"{'gen/' + place:<10} {shape:<6} {n:>7} {gen[0]:8.3f} {gen[1]:8.3f} {gen[2]:7.3f} {gen[3]:7.1f}"
                      f"  {gen[0] / untar[0]:.2f} x tar -x ({untar[0]:.3f} s), {count} files,"
                      f" {per_file:.1f} us user/file")
                if shape == "mixed":
                    times = file_times(out)
                    again = measure([quorvex, "-fclient", "-fserver", "-j", out, idl], runs)
                    after = file_times(out)
                    moved = sum(1 for path, t in after.items() if times.get(path) != t)
                    print(f"{'again/' + place:<10} {shape:<6} {n:>7} {again[0]:8.3f} {again[1]:8.3f}"
                          f" {again[2]:7.3f} {again[3]:7.1f}  {again[0] / gen[0]:.2f} x the first run,"
                          f" {moved} of {len(after)} files' times changed")
            finally:
                shutil.rmtree(work, ignore_errors=True)
    if len(sizes) > 1:
        for shape in shapes:
            a, b = wall_at[shape, sizes[0]], wall_at[shape, sizes[-1]]
            g, h = gen_at[shape, sizes[0]], gen_at[shape, sizes[-1]]
            print(f"{'growth':<10} {shape:<6} {sizes[-1]:>7}  front {b / a:.2f} x, gen/shm {h / g:.2f} x"
                  f" the time of {sizes[0]} declarations")


if __name__ == "__main__":
    main()

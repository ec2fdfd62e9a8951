#!/usr/bin/env python3
"""Runs quorvex over the real-world IDL corpus and checks each file's outcome.

The corpus directory holds MANIFEST.tsv: one header line, then one row per
IDL file with the columns path, expect (accept or reject), include_dirs
(comma-separated, relative to the corpus directory) and a note.  Each file is
compiled from the corpus directory, through the preprocessor, with
`-fno-write-files` and one -I option per include directory.

An accept row must exit 0.  A reject row must exit 1 and print at least one
diagnostic.  No row may end by a signal, time out, report an internal error
("PANIC") or print a sanitizer report.

Rows listed in the known-failures file (one path per line; '#' starts a
comment) are expected to fail for now: they are run and reported apart, and
do not fail the run; one that passes is reported as fixed.

With --rows FILE the rows come from FILE (the manifest's format, paths
relative to the corpus directory) instead of the manifest, and each --flag
is passed to every run; a reject row of such a file must also print its
note, which is the message expected (tests/corpus/corba3_rows.tsv: the rows
that -fcorba3 accepts, and those it still rejects with the message naming
the construct).

Exit status: 0 when every other row passed, 1 otherwise.
"""
import argparse
import concurrent.futures
import os
import subprocess
import sys

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "ERROR: UndefinedBehaviorSanitizer")


def read_manifest(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        fields = line.split("\t")
        while len(fields) < 4:
            fields.append("")
        path_, expect, dirs, note = fields[:4]
        if expect not in ("accept", "reject"):
            raise SystemExit(f"{path}:{number}: bad expectation {expect!r}")
        rows.append((path_, expect, [d for d in dirs.split(",") if d], note))
    return rows


def read_known_failures(path):
    known = set()
    if not path or not os.path.exists(path):
        return known
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                known.add(line)
    return known


def run_row(quorvex, corpus, row, timeout, flags=(), note_is_message=False):
    """Returns (row, problem or None, stderr excerpt)."""
    path, expect, dirs, note = row
    cmd = [quorvex, "-fno-write-files"] + list(flags) + ["-I" + d for d in dirs] + [path]
    try:
        proc = subprocess.run(cmd, cwd=corpus, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=timeout)
    except subprocess.TimeoutExpired:
        return row, f"timed out after {timeout}s", ""
    err = proc.stderr.decode("utf-8", "replace")
    excerpt = "\n".join(err.splitlines()[:6])
    status = proc.returncode
    if status < 0:
        return row, f"killed by signal {-status}", excerpt
    if "PANIC" in err:
        return row, "internal error (PANIC)", excerpt
    for mark in SANITIZER_MARKS:
        if mark in err:
            return row, "sanitizer report", excerpt
    if expect == "accept" and status != 0:
        return row, f"expected status 0, got {status}", excerpt
    if expect == "reject":
        if status != 1:
            return row, f"expected status 1, got {status}", excerpt
        if not err.strip():
            return row, "rejected without a diagnostic", excerpt
        if note_is_message and note not in err:
            return row, f"rejected without the message {note!r}", excerpt
    return row, None, excerpt


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quorvex", required=True, help="the quorvex executable")
    parser.add_argument("--corpus", required=True, help="the corpus directory")
    parser.add_argument("--known-failures", default=os.path.join(here, "known_failures.txt"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=float, default=60.0)
    parser.add_argument("--verbose", action="store_true", help="show diagnostics of failing rows")
    parser.add_argument("--rows", help="rows to run instead of the manifest's (notes of reject rows are messages)")
    parser.add_argument("--flag", action="append", default=[], help="quorvex flag for every run, repeatable")
    args = parser.parse_args()

    quorvex = os.path.abspath(args.quorvex)
    corpus = os.path.abspath(args.corpus)
    rows = read_manifest(args.rows or os.path.join(corpus, "MANIFEST.tsv"))
    known = read_known_failures(args.known_failures)
    unknown_known = sorted(known - {r[0] for r in rows})

    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        results = list(pool.map(lambda r: run_row(quorvex, corpus, r, args.timeout, args.flag, bool(args.rows)),
                                rows))

    failures, expected, fixed = [], [], []
    passed = 0
    for row, problem, excerpt in results:
        if row[0] in known:
            (expected if problem else fixed).append((row, problem, excerpt))
        elif problem:
            failures.append((row, problem, excerpt))
        else:
            passed += 1

    def show(title, items):
        if not items:
            return
        print(f"\n{title} ({len(items)}):")
        for (path, expect, _, note), problem, excerpt in items:
            print(f"  {path} [{expect}] {problem or 'passes'}" + (f"  -- {note}" if note else ""))
            if args.verbose and excerpt:
                for line in excerpt.splitlines():
                    print(f"      | {line}")

    show("FAILED", failures)
    show("known failures, still failing", expected)
    show("known failures that now pass (remove them from the list)", fixed)
    if unknown_known:
        print("\nknown-failure entries not in the manifest: " + ", ".join(unknown_known))
    print(f"\ncorpus: {len(rows)} rows, {passed} passed, {len(failures)} failed, "
          f"{len(expected)} known failures, {len(fixed)} known failures now passing")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

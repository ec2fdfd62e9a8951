#!/usr/bin/env python3
"""Generates both sides of every accepted corpus file and compiles the Java.

    compile_corpus_java.py --quorvex Q --corpus DIR --javac JAVAC --java JAVA
                           [--jobs N] [--rejects FILE] [--only PATH ...]

For each accept row of DIR/MANIFEST.tsv (columns path, expect, include_dirs,
note; include_dirs comma-separated and relative to DIR), in an output root
of its own: every file the row's file includes (found with the C
preprocessor's dependency listing, through the same -I directories) is
generated with -fclient -fserver in a run of its own, because a run writes
no classes for declarations from included files; then the file itself.
Every run must exit 0.  All of the output is then compiled with javac
against the runtime stand-ins of tests/java/runtime, which are compiled
once.  The compilations run in a few long-lived Java processes
(BatchJavac.java) instead of one javac per file.

A row named in the rejects file (path, a tab, a message) must instead fail
to generate with that message: the manifest says what the syntax check
accepts, and a few accepted files cannot have Java generated for them.

Exit status 0 when every row generated and compiled, or was rejected as
its entry in the rejects file says.
"""
import argparse
import concurrent.futures
import glob
import os
import shlex
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
RUNTIME = os.path.join(HERE, "..", "java", "runtime")


def accept_rows(corpus):
    rows = []
    with open(os.path.join(corpus, "MANIFEST.tsv"), encoding="utf-8") as f:
        for line in f.read().splitlines()[1:]:
            fields = line.split("\t") + ["", "", ""]
            if fields[1] == "accept":
                rows.append((fields[0], [d for d in fields[2].split(",") if d]))
    return rows


def read_rejects(path):
    rejects = {}
    if path:
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    name, message = line.rstrip("\n").split("\t", 1)
                    rejects[name] = message
    return rejects


def included_files(corpus, path, dirs):
    """The files path includes, directly or not, relative to the corpus."""
    proc = subprocess.run(["cpp", "-M"] + ["-I" + d for d in dirs] + [path], cwd=corpus,
                          capture_output=True, text=True)
    if proc.returncode != 0:
        return None, proc.stderr
    words = shlex.split(proc.stdout.replace("\\\n", " "))
    deps = []
    main = os.path.normpath(path)
    for word in words[1:]:
        if word.endswith(":") or os.path.isabs(word):
            continue
        word = os.path.normpath(word)
        if word != main and word not in deps:
            deps.append(word)
    return deps, ""


def generate(quorvex, corpus, work, index, row):
    """Runs quorvex for the row's file and every file whose declarations it
    uses: the files it includes, and the files a run reads for a
    `#pragma import` (as the run's dependency listing names them).
    Returns (output root, problem or None)."""
    path, dirs = row
    out = os.path.join(work, str(index))
    os.makedirs(out)
    deps, err = included_files(corpus, path, dirs)
    if deps is None:
        return out, f"the preprocessor cannot list its includes:\n{err}"
    queue = deps + [path]
    done = set()
    depfile = out + ".deps"
    while queue:
        name = queue.pop(0)
        done.add(os.path.normpath(name))
        cmd = [quorvex, "-fclient", "-fserver"] + ["-I" + d for d in dirs] + ["-j", out, name]
        env = dict(os.environ, KELDRO_DEPENDENCIES=depfile + " x")
        proc = subprocess.run(cmd, cwd=corpus, capture_output=True, text=True, timeout=120, env=env)
        if proc.returncode != 0:
            lines = "\n".join(proc.stderr.splitlines()[:8])
            return out, f"quorvex failed on {name} (status {proc.returncode}):\n{lines}"
        if os.path.exists(depfile):
            with open(depfile, encoding="utf-8") as f:
                opened = f.read().split()[1:]
            os.remove(depfile)
            for other in opened:
                other = os.path.normpath(other)
                if other.endswith(".idl") and other not in done and other not in queue:
                    queue.append(other)
    return out, None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--corpus", required=True)
    ap.add_argument("--javac", required=True)
    ap.add_argument("--java", required=True)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--rejects", help="rows that must fail to generate, with the message")
    ap.add_argument("--only", action="append", default=[], help="just these manifest paths")
    opts = ap.parse_args()
    quorvex = os.path.abspath(opts.quorvex)
    rows = accept_rows(opts.corpus)
    rejects = read_rejects(opts.rejects)
    if opts.only:
        rows = [r for r in rows if r[0] in opts.only]

    with tempfile.TemporaryDirectory(prefix="quorvex-corpus-java-") as work:
        runtime_classes = os.path.join(work, "runtime")
        sources = glob.glob(os.path.join(RUNTIME, "**", "*.java"), recursive=True)
        proc = subprocess.run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-d", runtime_classes] + sources,
                              capture_output=True, text=True)
        if proc.returncode != 0:
            print("the runtime stand-ins do not compile:\n" + proc.stdout + proc.stderr)
            return 1

        problems = {}
        outs = {}
        done_rejected = set()
        with concurrent.futures.ThreadPoolExecutor(max_workers=opts.jobs) as pool:
            futures = {pool.submit(generate, quorvex, opts.corpus, work, i, row): row
                       for i, row in enumerate(rows)}
            for future in concurrent.futures.as_completed(futures):
                row = futures[future]
                out, problem = future.result()
                outs[row[0]] = out
                if row[0] in rejects:
                    want = rejects[row[0]]
                    if not problem:
                        problems[row[0]] = f"generates, but should fail with: {want}"
                    elif want not in problem:
                        problems[row[0]] = f"should fail with: {want}\n{problem}"
                    else:
                        done_rejected.add(row[0])
                elif problem:
                    problems[row[0]] = problem

        jobs = []
        for path, _ in rows:
            if path in problems or path in done_rejected:
                continue
            out = outs[path]
            generated = sorted(glob.glob(os.path.join(out, "**", "*.java"), recursive=True))
            if not generated:
                continue
            classes = out + ".classes"
            os.makedirs(classes)
            args = ["-nowarn", "-encoding", "UTF-8", "-cp", runtime_classes, "-d", classes] + generated
            jobs.append((path, "\t".join(args)))

        # A few long-lived compilers, each taking every n-th job.
        batch = os.path.join(HERE, "BatchJavac.java")
        shares = [jobs[i::opts.jobs] for i in range(opts.jobs)]

        def compile_share(share):
            if not share:
                return []
            proc = subprocess.run([opts.java, batch], input="".join(a + "\n" for _, a in share),
                                  capture_output=True, text=True)
            lines = proc.stdout.splitlines()
            results = []
            for path, _ in share:
                if not lines:
                    results.append((path, "the compiler stopped:\n" + proc.stderr[-2000:]))
                    continue
                head = lines.pop(0)
                if head == "ok":
                    results.append((path, None))
                    continue
                n = int(head.split()[1]) if head.startswith("failed ") else 0
                text, lines = lines[:n], lines[n:]
                results.append((path, "javac rejects the generated Java:\n" + "\n".join(text)))
            return results

        with concurrent.futures.ThreadPoolExecutor(max_workers=opts.jobs) as pool:
            for results in pool.map(compile_share, shares):
                for path, problem in results:
                    if problem:
                        problems[path] = problem

    for path in sorted(problems):
        print(f"FAIL {path}: {problems[path]}\n")
    print(f"{len(rows) - len(problems) - len(done_rejected)} of {len(rows)} accepted corpus files generate and "
          f"compile on both sides; {len(done_rejected)} fail to generate as expected")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

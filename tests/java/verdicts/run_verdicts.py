#!/usr/bin/env python3
"""Runs a table of small IDL files, each with its expected verdict: the file
compiles (quorvex exits 0 and javac accepts every generated file) or
quorvex refuses it with a named error.

    run_verdicts.py --quorvex Q --java JAVA --runtime-jar JAR TABLE

The table holds rows; a row starts with a line

    === NAME [FLAG ...]

followed by one verdict line, either "compiles" or "error: TEXT" (TEXT must
appear in quorvex's standard error and the exit status must be 1), then the
IDL text up to the next row, where "{{repeat N TEXT}}" stands for TEXT
written N times, "@" in it counting from 0.  Lines starting with "# " are comments (a
#pragma line has no space after the "#").  Every row is generated with -fclient -fserver and the row's
flags; the Java of all "compiles" rows is compiled in one Java virtual
machine, each row's tree on its own (tests/corpus/CompileTrees.java).
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
COMPILE_TREES = os.path.join(HERE, "..", "..", "corpus", "CompileTrees.java")


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("# ") or line.strip() == "#":
                continue
            if line.startswith("=== "):
                words = line[4:].split()
                rows.append({"name": words[0], "flags": words[1:], "verdict": None, "idl": []})
            elif not rows:
                continue
            elif rows[-1]["verdict"] is None:
                rows[-1]["verdict"] = line.strip()
            else:
                rows[-1]["idl"].append(line)
    names = set()
    for row in rows:
        if row["name"] in names:
            sys.exit(f"row {row['name']} appears twice")
        names.add(row["name"])
        v = row["verdict"] or ""
        if v != "compiles" and not v.startswith("error: "):
            sys.exit(f"row {row['name']}: verdict must be 'compiles' or 'error: TEXT', not {v!r}")
    for row in rows:
        row["idl"] = [expand(line) for line in row["idl"]]
    return rows


REPEAT = re.compile(r"\{\{repeat (\d+) (.*?)\}\}")


def expand(line):
    """Writes out "{{repeat N TEXT}}": TEXT N times, @ counting from 0."""
    return REPEAT.sub(lambda m: " ".join(m.group(2).replace("@", str(i)) for i in range(int(m.group(1)))), line)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--java", required=True)
    ap.add_argument("--runtime-jar", required=True)
    ap.add_argument("table")
    opts = ap.parse_args()
    rows = read_table(opts.table)
    failures = []
    with tempfile.TemporaryDirectory(prefix="quorvex-verdicts-") as work:
        trees = {}
        for row in rows:
            tree = os.path.join(work, row["name"])
            src = os.path.join(tree, "src")
            os.makedirs(src)
            idl = os.path.join(tree, "a.idl")
            with open(idl, "w", encoding="utf-8") as f:
                f.write("".join(row["idl"]))
            cmd = [os.path.abspath(opts.quorvex), "-fclient", "-fserver"] + row["flags"] + ["-j", src, "a.idl"]
            proc = subprocess.run(cmd, cwd=tree, capture_output=True, text=True, timeout=60)
            if row["verdict"] == "compiles":
                if proc.returncode != 0:
                    failures.append((row["name"], f"quorvex failed ({proc.returncode}):\n{proc.stderr}"))
                else:
                    trees[tree] = row["name"]
            else:
                text = row["verdict"][len("error: "):]
                if proc.returncode != 1 or text not in proc.stderr:
                    failures.append((row["name"], f"expected status 1 and {text!r}, got status "
                                                  f"{proc.returncode}:\n{proc.stderr}"))
        if trees:
            compiler = subprocess.run([opts.java, COMPILE_TREES, os.path.abspath(opts.runtime_jar)] + list(trees),
                                      capture_output=True, text=True)
            seen, current = set(), None
            messages = {}
            for line in compiler.stdout.splitlines():
                word, _, rest = line.partition(" ")
                if word in ("ok", "failed") and rest in trees:
                    seen.add(rest)
                    current = rest if word == "failed" else None
                    if current:
                        messages[current] = []
                elif current:
                    messages[current].append(line)
            if compiler.returncode not in (0, 1) or len(seen) != len(trees):
                print("CompileTrees did not finish:\n" + compiler.stdout + compiler.stderr)
                return 1
            for tree, lines in messages.items():
                failures.append((trees[tree], "javac failed:\n" + "\n".join(lines[:20])))
    for name, problem in failures:
        print(f"FAIL {name}: {problem}")
    print(f"{len(rows) - len(failures)} of {len(rows)} rows as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

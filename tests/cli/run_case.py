#!/usr/bin/env python3
"""Runs one command-line case of quorvex and compares what it did.

A case file is a few header lines, then sections, each opened by a line that
starts with "=== ":

    # comments start with '#'
    args: -fno-write-files a.idl      (split like a shell would)
    status: 1                         (expected exit status, default 0)
    env: NAME=value                   (repeatable; added to the environment)

    === file a.idl                    (an input file written before the run)
    === stdout                        (exact standard output)
    === stderr                        (exact standard error)
    === stdout contains / === stderr contains   (each line must occur, in order)
    === output PATH                   (exact contents of a file the run wrote)
    === output contains PATH          (lines that must occur in it, in order)
    === output lacks PATH             (text that must not occur in that file)
    === no output PATH                (the run must not create PATH)

A section's text runs to the next "=== " line; every line of it ends with a
newline.  Section text may use {dir} for the case's working directory.  The
program runs in a fresh temporary directory holding the input files.
"""
import argparse
import os
import shlex
import subprocess
import sys
import tempfile


def parse_case(path):
    header = []
    sections = []
    current = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("=== "):
                current = [line[4:].strip(), []]
                sections.append(current)
            elif current is None:
                header.append(line.rstrip("\n"))
            else:
                current[1].append(line)
    return header, [(name, "".join(lines)) for name, lines in sections]


def contains_in_order(text, expected):
    pos = 0
    for line in expected.splitlines():
        if not line.strip():
            continue
        found = text.find(line, pos)
        if found < 0:
            return line
        pos = found + len(line)
    return None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("case")
    opts = ap.parse_args()

    header, sections = parse_case(opts.case)
    args, status, env = [], 0, dict(os.environ)
    env.pop("KELDRO_DEPENDENCIES", None)
    timeout = 60
    for line in header:
        if not line.strip() or line.startswith("#"):
            continue
        key, _, value = line.partition(":")
        # Only leading blanks go: a trailing blank may matter in env values.
        value = value.lstrip()
        if key == "args":
            args = shlex.split(value)
        elif key == "status":
            status = int(value.strip())
        elif key == "env":
            name, _, val = value.partition("=")
            env[name] = val
        elif key == "timeout":
            timeout = int(value.strip())
        else:
            sys.exit(f"{opts.case}: unknown header line: {line}")

    failures = []
    with tempfile.TemporaryDirectory(prefix="quorvex-case-") as work:
        subst = lambda text: text.replace("{dir}", work)
        for name, text in sections:
            if name.startswith("file "):
                target = os.path.join(work, name[5:].strip())
                os.makedirs(os.path.dirname(target), exist_ok=True)
                with open(target, "w", encoding="utf-8") as f:
                    f.write(subst(text))
        proc = subprocess.run([os.path.abspath(opts.quorvex)] + args, cwd=work, env=env,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
        out = proc.stdout.decode("utf-8", "replace")
        err = proc.stderr.decode("utf-8", "replace")
        if proc.returncode != status:
            failures.append(f"exit status {proc.returncode}, expected {status}")
        for name, text in sections:
            text = subst(text)
            if name == "stdout" and out != text:
                failures.append(f"standard output differs:\n--- expected\n{text}--- got\n{out}")
            elif name == "stderr" and err != text:
                failures.append(f"standard error differs:\n--- expected\n{text}--- got\n{err}")
            elif name in ("stdout contains", "stderr contains"):
                got = out if name.startswith("stdout") else err
                missing = contains_in_order(got, text)
                if missing is not None:
                    failures.append(f"{name.split()[0]} lacks (in order): {missing!r}\n--- got\n{got}")
            elif name.startswith("output contains "):
                path = os.path.join(work, name[len("output contains "):].strip())
                if not os.path.exists(path):
                    failures.append(f"missing output file {path}")
                    continue
                got = open(path, encoding="utf-8", errors="replace").read()
                missing = contains_in_order(got, text)
                if missing is not None:
                    failures.append(f"{path} lacks (in order): {missing!r}\n--- got\n{got}")
            elif name.startswith("output lacks "):
                path = os.path.join(work, name[len("output lacks "):].strip())
                if not os.path.exists(path):
                    failures.append(f"missing output file {path}")
                    continue
                got = open(path, encoding="utf-8", errors="replace").read()
                if text in got:
                    failures.append(f"{path} holds what it must not:\n{text}--- got\n{got}")
            elif name.startswith("output "):
                path = os.path.join(work, name[len("output "):].strip())
                if not os.path.exists(path):
                    failures.append(f"missing output file {path}")
                    continue
                got = open(path, encoding="utf-8", errors="replace").read()
                if got != text:
                    failures.append(f"{path} differs:\n--- expected\n{text}--- got\n{got}")
            elif name.startswith("no output "):
                path = os.path.join(work, name[len("no output "):].strip())
                if os.path.exists(path):
                    failures.append(f"unexpected output file {path}")
            elif not name.startswith("file ") and name not in ("stdout", "stderr"):
                failures.append(f"unknown section: {name}")
    if failures:
        print(f"{opts.case}: FAILED\n  args: {args}\n" + "\n".join(failures))
        if "stderr" not in [n for n, _ in sections]:
            print(f"--- standard error was\n{err}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Compares the Java files quorvex writes with files written by hand.

A case is a directory holding the IDL inputs (*.idl), a file `args` with
the command line (split like a shell would; the inputs are named relative
to the working directory), and a tree `expected/` holding exactly the files
the run must write, relative to the working directory.  The inputs are
given a fixed modification time and the run happens in the UTC time zone,
so the date in the header comment is always "Sat Feb  3 04:05:06 2001".
The run must exit with status 0 and write exactly the expected set of paths,
each byte for byte.
"""
import argparse
import calendar
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

FIXED_TIME = calendar.timegm((2001, 2, 3, 4, 5, 6))


def tree(root):
    found = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            path = os.path.join(dirpath, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, root)] = f.read()
    return found


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("case")
    opts = ap.parse_args()

    with open(os.path.join(opts.case, "args"), encoding="utf-8") as f:
        args = shlex.split(f.read())
    with tempfile.TemporaryDirectory(prefix="quorvex-expected-") as work:
        inputs = []
        for name in sorted(os.listdir(opts.case)):
            if name.endswith(".idl"):
                target = os.path.join(work, name)
                shutil.copyfile(os.path.join(opts.case, name), target)
                os.utime(target, (FIXED_TIME, FIXED_TIME))
                inputs.append(name)
        env = dict(os.environ, TZ="UTC")
        env.pop("KELDRO_DEPENDENCIES", None)
        proc = subprocess.run([os.path.abspath(opts.quorvex)] + args, cwd=work, env=env, capture_output=True,
                              text=True)
        if proc.returncode != 0:
            print(f"exit status {proc.returncode}\n{proc.stderr}")
            return 1
        got = {path: data for path, data in tree(work).items() if path not in inputs}
        want = tree(os.path.join(opts.case, "expected"))
        failures = []
        for path in sorted(set(want) - set(got)):
            failures.append(f"missing: {path}")
        for path in sorted(set(got) - set(want)):
            failures.append(f"unexpected: {path}")
        for path in sorted(set(got) & set(want)):
            if got[path] != want[path]:
                failures.append(f"differs: {path}\n--- expected\n{want[path].decode()}--- got\n{got[path].decode()}")
        if failures:
            print("\n".join(failures))
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

"""What the two layer checkers share: the self-test over a small tree of
files written to a temporary folder, and the command line."""
import os
import sys
import tempfile


def self_test(check, files, expected):
    """Writes files (relative path -> text) under a temporary folder, runs
    check on it, and tells whether it found exactly one fault starting with
    each of expected."""
    with tempfile.TemporaryDirectory() as tmp:
        for rel, text in files.items():
            os.makedirs(os.path.join(tmp, os.path.dirname(rel)), exist_ok=True)
            with open(os.path.join(tmp, rel), "w") as f:
                f.write(text)
        faults = check(tmp)
    ok = len(faults) == len(expected) and all(
        any(fault.startswith(e) for fault in faults) for e in expected)
    if not ok:
        print("self-test: expected faults starting with", expected, "got:", *faults, sep="\n  ")
    return ok


def main(check, self_test_fn, usage):
    """The checker's command line: --self-test, or one folder to check."""
    if sys.argv[1:] == ["--self-test"]:
        return 0 if self_test_fn() else 1
    if len(sys.argv) != 2:
        print(usage, file=sys.stderr)
        return 2
    faults = check(sys.argv[1])
    for fault in faults:
        print(fault)
    return 1 if faults else 0

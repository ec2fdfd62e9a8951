#!/usr/bin/env python3
"""Feeds quorvex generated hostile input and checks that it answers with
diagnostics and an exit status: no crash, hang, internal error or sanitizer
report, and within a time limit.

    run_hostile.py --quorvex BIN NAME     (one input; --list names them all)

Each input is made here, deterministically, rather than kept on disk.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile
import time


def random_bytes():
    rng = random.Random(7)
    return bytes(rng.getrandbits(8) for _ in range(10 * 1024 * 1024))


def nested_parens():
    n = 200000
    return ("const long x = " + "(" * n + "1" + ")" * n + ";\n").encode()


def nested_modules():
    n = 100000
    return ("".join("module m%d {\n" % i for i in range(n)) + "struct s { long a; };\n" + "};\n" * n).encode()


def nested_sequences():
    n = 100000
    return ("typedef " + "sequence<" * n + "long" + ">" * n + " T;\n").encode()


def long_scoped_name():
    return ("typedef " + "::".join("a%d" % i for i in range(100000)) + " T;\n").encode()


def long_identifier():
    return ("struct " + "x" * 5000 + " { long a; };\n").encode()


def long_string_literal():
    return ('const string s = "' + "y" * 5000 + '";\n').encode()


def huge_integer_literal():
    return ("const long n = " + "9" * 5000 + ";\nconst long h = 0x" + "f" * 5000 + ";\n").encode()


def many_errors():
    return "".join("struct s%d { long a; long a; };\n" % i for i in range(50000)).encode()


def many_syntax_errors():
    return "module m {\n" + "garbage here;\n" * 50000 + "};\n"


def pragma_limits():
    name = "p" * 1100
    lines = [
        '#pragma prefix "%s"' % ("q" * 1100),
        "#pragma builtin %s javaClass = %s" % (name, "j." * 600),
        "#pragma builtin %s" % name,
        "#pragma serverless %s" % ("::a" * 600),
        "#pragma import %s" % name,
        "#pragma javaPackage %s" % ("a/b." * 300),
        '#pragma javaPackage "%s"' % ("a/b." * 300),
        "#pragma " + "z" * 3000,
        "# 12345678901234567890 \"f.idl\"",
        "#line 99999999999 \"%s\"" % ("f" * 2000),
        "interface I { };",
    ]
    return ("\n".join(lines) + "\n").encode()


def deep_constant_chain():
    n = 20000
    lines = ["const long c0 = 1;"] + ["const long c%d = c%d + 1;" % (i, i - 1) for i in range(1, n)]
    return ("\n".join(lines) + "\ntypedef long A[c%d];\n" % (n - 1)).encode()


def deep_inheritance():
    # Every interface's tables list all its ancestors' exports, so their
    # size grows with the square of the depth; 1000 levels is far beyond
    # real IDL and still quick.
    n = 1000
    lines = ["interface i0 { void f0(); };"]
    lines += ["interface i%d : i%d { void f%d(); };" % (i, i - 1, i) for i in range(1, n)]
    return ("\n".join(lines) + "\n").encode()


# With -fcorba3: one module reopened many times, each body naming a global
# constant (lookups through the earlier bodies); many adjacent string
# literals; documentation comments in and out of their slots.
def corba3_reopened_modules():
    n = 100000
    return ("const long G = 1;\n" + "".join("module A { const long x%d = G; };\n" % i for i in range(n))).encode()


def corba3_adjacent_strings():
    return ("const string S = " + " ".join('"ab"' for _ in range(200000)) + ";\n").encode()


def corba3_doc_comments():
    return "".join("/** doc %d */ typedef long T%d /** slot */;\n" % (i, i) for i in range(100000)).encode()


# name: (maker, expected status, seconds allowed)
INPUTS = {
    "random_bytes": (random_bytes, 1, 20),
    "nested_parens": (nested_parens, 1, 20),
    "nested_modules": (nested_modules, 1, 20),
    "nested_sequences": (nested_sequences, 1, 20),
    "long_scoped_name": (long_scoped_name, 1, 20),
    "long_identifier": (long_identifier, 1, 20),
    "long_string_literal": (long_string_literal, 1, 20),
    "huge_integer_literal": (huge_integer_literal, 1, 20),
    "many_errors": (many_errors, 1, 20),
    "many_syntax_errors": (lambda: many_syntax_errors().encode(), 1, 20),
    "pragma_limits": (pragma_limits, 1, 20),
    "deep_constant_chain": (deep_constant_chain, 0, 60),
    "deep_inheritance": (deep_inheritance, 0, 60),
    "corba3_reopened_modules": (corba3_reopened_modules, 0, 60),
    "corba3_adjacent_strings": (corba3_adjacent_strings, 0, 20),
    "corba3_doc_comments": (corba3_doc_comments, 0, 60),
}

# Flags of the inputs that need them.
FLAGS = {name: ["-fcorba3"] for name in INPUTS if name.startswith("corba3_")}

BAD_SIGNS = ("PANIC", "AddressSanitizer", "runtime error:", "LeakSanitizer", "Segmentation")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex")
    ap.add_argument("--list", action="store_true")
    ap.add_argument("name", nargs="?")
    opts = ap.parse_args()
    if opts.list:
        print("\n".join(INPUTS))
        return 0
    maker, status, limit = INPUTS[opts.name]
    # Sanitized builds run several times slower.
    if os.environ.get("QUORVEX_SANITIZED"):
        limit *= 4
    with tempfile.TemporaryDirectory(prefix="quorvex-hostile-") as work:
        path = os.path.join(work, opts.name + ".idl")
        with open(path, "wb") as f:
            f.write(maker())
        start = time.monotonic()
        try:
            proc = subprocess.run([os.path.abspath(opts.quorvex), "-fno-cpp", "-fno-write-files"]
                                  + FLAGS.get(opts.name, []) + [path],
                                  cwd=work, capture_output=True, timeout=limit)
        except subprocess.TimeoutExpired:
            print(f"{opts.name}: no answer within {limit}s")
            return 1
        took = time.monotonic() - start
    err = proc.stderr.decode("utf-8", "replace")
    problems = []
    if proc.returncode != status:
        problems.append(f"exit status {proc.returncode}, expected {status}")
    if status != 0 and not err.strip():
        problems.append("no diagnostics")
    for sign in BAD_SIGNS:
        if sign in err:
            problems.append(f"standard error shows {sign!r}")
    print(f"{opts.name}: status {proc.returncode} in {took:.2f}s; {len(err.splitlines())} lines of diagnostics")
    if problems:
        print("\n".join(problems))
        print("--- first lines of standard error\n" + "\n".join(err.splitlines()[:20]))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Holds the layers of the Java runtime: reads every import and every
qualified name of a runtime package in runtime/src and fails on an edge
against the order, naming file and line.

The layers, bottom to top (ARCHITECTURE.md, "The runtime's layers"):

    org.omg.*        the API generated code and applications name; knows
                     no implementation (ORB.init finds it by class name)
    vemo.harl        Support: conveniences over org.omg
    vemo.harl.cdr    CDR streams, type codes, anys, values
    vemo.harl.ior    IORs and their string forms
    vemo.harl.giop   GIOP messages and call arguments
    vemo.harl.tls    IIOP over TLS (beside giop: neither uses the other)
    vemo.harl.orb    the ORBs, connections and the object adapter

A package may name only itself and the packages its row of ALLOWED lists.
The org.omg packages form one layer.  Comments and literals are not read;
a package of runtime/src that the table does not place is an error too, so
a new package gets its layer when it is made.

usage: check_imports.py RUNTIME_SRC     check the tree
       check_imports.py --self-test     check that a bad edge is caught
"""
import os
import re
import sys

import layer_check

OMG = "org.omg"
ROOT = "vemo.harl"

ALLOWED = {}
ALLOWED[OMG] = set()
ALLOWED[ROOT] = {OMG}
ALLOWED[ROOT + ".cdr"] = {OMG, ROOT}
ALLOWED[ROOT + ".ior"] = ALLOWED[ROOT + ".cdr"] | {ROOT + ".cdr"}
ALLOWED[ROOT + ".giop"] = ALLOWED[ROOT + ".ior"] | {ROOT + ".ior"}
ALLOWED[ROOT + ".tls"] = ALLOWED[ROOT + ".ior"] | {ROOT + ".ior"}
ALLOWED[ROOT + ".orb"] = ALLOWED[ROOT + ".giop"] | {ROOT + ".giop", ROOT + ".tls"}

# A dotted name starting with one of the runtime's top-level names.
QUALIFIED = re.compile(r"(?<![\w.])((?:org\.omg|vemo\.harl)(?:\s*\.\s*[A-Za-z_]\w*)+)")
PACKAGE = re.compile(r"^\s*package\s+([\w.]+)\s*;", re.M)


def layer_of(package):
    """The layer of a Java package name, or None."""
    if package == OMG or package.startswith(OMG + "."):
        return OMG
    if package == ROOT:
        return ROOT
    for layer in ALLOWED:
        if layer.startswith(ROOT + ".") and (package == layer or package.startswith(layer + ".")):
            return layer
    return None


def strip(text):
    """The text with comments, strings and character literals blanked,
    newlines kept, so that line numbers stay."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        elif text.startswith('"""', i):
            j = text.find('"""', i + 3)
            j = n if j < 0 else j + 3
            out.append('""' + "\n" * text.count("\n", i, j))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def target_package(name, packages):
    """The package a qualified name names: its longest prefix that is a
    package of the tree (a class's nested names and members follow it)."""
    parts = name.split(".")
    for k in range(len(parts), 0, -1):
        prefix = ".".join(parts[:k])
        if prefix in packages:
            return prefix
    return None


def check(source_dir):
    """Returns the list of faults, one line each."""
    files = []
    packages = set()
    for folder, dirs, names in os.walk(source_dir):
        dirs.sort()
        for name in sorted(names):
            if name.endswith(".java"):
                rel = os.path.relpath(os.path.join(folder, name), source_dir).replace(os.sep, "/")
                files.append(rel)
                packages.add(os.path.dirname(rel).replace("/", "."))
    faults = []
    for rel in files:
        own = os.path.dirname(rel).replace("/", ".")
        own_layer = layer_of(own)
        if own_layer is None:
            faults.append(f"{rel}: package {own} has no layer in {os.path.basename(sys.argv[0])}")
            continue
        with open(os.path.join(source_dir, rel), encoding="utf-8", errors="replace") as f:
            text = strip(f.read())
        declared = PACKAGE.search(text)
        if declared and declared.group(1) != own:
            faults.append(f"{rel}: declares package {declared.group(1)}, lies in {own}")
        for number, line in enumerate(text.split("\n"), 1):
            if re.match(r"\s*package\s", line):
                continue
            for m in QUALIFIED.finditer(line):
                name = re.sub(r"\s+", "", m.group(1))
                target = target_package(name, packages)
                if target is None:
                    # a package the tree does not hold: the longest prefix of
                    # lower-case components, for the message
                    target = ".".join(p for p in name.split(".") if p[:1].islower() or p == "CORBA")
                other = layer_of(target) if target else None
                if other is None:
                    faults.append(f"{rel}:{number}: {name}: no package of the runtime")
                elif other != own_layer and other not in ALLOWED[own_layer]:
                    faults.append(f"{rel}:{number}: {name}: {own_layer} may not use {other}")
    return faults


def self_test():
    """A small tree with one edge of each kind: only the bad ones are reported."""
    files = {
        "org/omg/CORBA/ORB.java": "package org.omg.CORBA;\n// vemo.harl.orb.FullORB in a comment\n"
                                  "class ORB { String n = \"vemo.harl.orb.FullORB\"; }\n",
        "org/omg/CORBA/Any.java": "package org.omg.CORBA;\nimport vemo.harl.cdr.CDRInputStream;\n",
        "org/omg/CORBA/portable/ObjectImpl.java": "package org.omg.CORBA.portable;\n"
                                                  "class ObjectImpl { org.omg.CORBA.ORB o; }\n",
        "vemo/harl/Support.java": "package vemo.harl;\nimport org.omg.CORBA.ORB;\n",
        "vemo/harl/cdr/CDRInputStream.java": "package vemo.harl.cdr;\nclass S {\n"
                                             "  Object r = vemo.harl.ior.ObjectRefs.read(this);\n}\n",
        "vemo/harl/ior/IOR.java": "package vemo.harl.ior;\nimport vemo.harl.cdr.CDRInputStream;\n",
        "vemo/harl/giop/Codec.java": "package vemo.harl.giop;\nimport static vemo.harl.ior.IOR.NIL;\n"
                                     "import vemo.harl.tls.Tls;\n",
        "vemo/harl/tls/Tls.java": "package vemo.harl.tls;\nimport vemo.harl.ior.IOR;\n"
                                  "class Tls { vemo.harl.orb.FullORB o; }\n",
        "vemo/harl/orb/FullORB.java": "package vemo.harl.orb;\nimport vemo.harl.giop.*;\nimport vemo.harl.tls.Tls;\n",
        "vemo/harl/extra/X.java": "package vemo.harl.extra;\n",
    }
    expected = [
        "org/omg/CORBA/Any.java:2:",
        "vemo/harl/cdr/CDRInputStream.java:3:",
        "vemo/harl/giop/Codec.java:3:",
        "vemo/harl/tls/Tls.java:3:",
        "vemo/harl/extra/X.java: package",
    ]
    return layer_check.self_test(check, files, expected)


if __name__ == "__main__":
    sys.exit(layer_check.main(check, self_test, "usage: check_imports.py RUNTIME_SRC | --self-test"))

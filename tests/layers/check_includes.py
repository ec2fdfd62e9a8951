#!/usr/bin/env python3
"""Holds the layers of the source tree: reads every #include of lib/, ast/
and idlgen/ and fails on an edge against the order, naming file and line.

The layers, bottom to top (ARCHITECTURE.md, "Dependency invariants"):

    lib                      includes nothing of the project
    ast                      lib
    idlgen/java/core         lib, ast
    idlgen/java/types        ... and core
    idlgen/java/interfaces   ... and types
    idlgen/java/client       ... and interfaces   (client and server are
    idlgen/java/server       ... and interfaces    peers: neither includes
    idlgen/driver            everything            the other)

The folders of ast/ form one layer.  A quoted include must name its header
from the repository root; a source folder the table does not place is an
error too, so a new folder gets its layer when it is made.

usage: check_includes.py SOURCE_DIR      check the tree
       check_includes.py --self-test     check that a bad edge is caught
"""
import os
import re
import sys

import layer_check

BELOW = {}
BELOW["lib"] = set()
BELOW["ast"] = {"lib"}
BELOW["idlgen/java/core"] = BELOW["ast"] | {"ast"}
BELOW["idlgen/java/types"] = BELOW["idlgen/java/core"] | {"idlgen/java/core"}
BELOW["idlgen/java/interfaces"] = BELOW["idlgen/java/types"] | {"idlgen/java/types"}
BELOW["idlgen/java/client"] = BELOW["idlgen/java/interfaces"] | {"idlgen/java/interfaces"}
BELOW["idlgen/java/server"] = BELOW["idlgen/java/interfaces"] | {"idlgen/java/interfaces"}
BELOW["idlgen/driver"] = BELOW["idlgen/java/client"] | {"idlgen/java/client", "idlgen/java/server"}

ROOTS = ("lib", "ast", "idlgen")
SUFFIXES = (".h", ".cc", ".y", ".l")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def layer_of(path):
    """The layer a repository-relative path belongs to, or None."""
    if path.startswith("ast/"):
        return "ast"
    best = None
    for layer in BELOW:
        if path.startswith(layer + "/") and (best is None or len(layer) > len(best)):
            best = layer
    return best


def check(source_dir):
    """Returns the list of faults, one line each."""
    faults = []
    for root in ROOTS:
        for folder, dirs, files in os.walk(os.path.join(source_dir, root)):
            dirs.sort()
            for name in sorted(files):
                if not name.endswith(SUFFIXES):
                    continue
                rel = os.path.relpath(os.path.join(folder, name), source_dir).replace(os.sep, "/")
                own = layer_of(rel)
                if own is None:
                    faults.append(f"{rel}: folder {os.path.dirname(rel)} has no layer in {sys.argv[0]}")
                    continue
                with open(os.path.join(source_dir, rel), encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        target = m.group(1)
                        other = layer_of(target)
                        if other is None:
                            faults.append(f"{rel}:{number}: #include \"{target}\" is not a path from the root")
                        elif other != own and other not in BELOW[own]:
                            faults.append(f"{rel}:{number}: #include \"{target}\": {own} may not include {other}")
    return faults


def self_test():
    """A small tree with one edge of each kind: only the bad ones are reported."""
    files = {
        "lib/a.h": '#include "lib/b.h"\n',
        "lib/b.cc": '#include <vector>\n#include "ast/tree/x.h"\n',
        "ast/tree/x.h": '#include "lib/a.h"\n#include "ast/names/y.h"\n',
        "ast/names/y.cc": '#include "idlgen/java/core/Z.h"\n',
        "idlgen/java/core/Z.cc": '#include "idlgen/java/types/T.h"\n',
        "idlgen/java/types/T.cc": '#include "idlgen/java/core/Z.h"\n',
        "idlgen/java/client/C.cc": '#include "idlgen/java/server/S.h"\n',
        "idlgen/java/server/S.cc": '#include "idlgen/java/interfaces/I.h"\n',
        "idlgen/driver/m.cc": '#include "idlgen/java/server/S.h"\n#include "T.h"\n',
        "idlgen/java/values/V.cc": "\n",
    }
    expected = [
        "lib/b.cc:2:",
        "ast/names/y.cc:1:",
        "idlgen/java/core/Z.cc:1:",
        "idlgen/java/client/C.cc:1:",
        "idlgen/driver/m.cc:2:",
        "idlgen/java/values/V.cc: folder",
    ]
    return layer_check.self_test(check, files, expected)


if __name__ == "__main__":
    sys.exit(layer_check.main(check, self_test, "usage: check_includes.py SOURCE_DIR | --self-test"))

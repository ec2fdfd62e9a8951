#!/usr/bin/env python3
"""Refreshes the fuzz seed corpora from the project's own test inputs.

IDL seeds come from examples/*.idl and the IDL input files of the
command-line cases; environment-file seeds from the cases' .env inputs.
Each seed is named by a hash of its content, so reruns are stable.
"""
import glob
import hashlib
import os

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
seeds = {"idl": set(), "env": set()}

for path in glob.glob(os.path.join(root, "examples", "*.idl")):
    seeds["idl"].add(open(path, "rb").read())

for case in glob.glob(os.path.join(root, "tests", "cli", "**", "*.case"), recursive=True):
    name, body = None, []
    for line in open(case, encoding="utf-8").read().splitlines(keepends=True) + ["=== end\n"]:
        if line.startswith("=== "):
            if name:
                kind = "idl" if name.endswith(".idl") else "env" if name.endswith(".env") else None
                if kind:
                    seeds[kind].add("".join(body).encode())
            header = line[4:].strip()
            name = header[5:].strip() if header.startswith("file ") else None
            body = []
        elif name:
            body.append(line)

for kind, contents in seeds.items():
    out = os.path.join(root, "tests", "fuzz", "seeds", kind)
    os.makedirs(out, exist_ok=True)
    for old in glob.glob(os.path.join(out, "*")):
        os.remove(old)
    for content in contents:
        digest = hashlib.sha1(content).hexdigest()[:16]
        with open(os.path.join(out, digest), "wb") as f:
            f.write(content)
    print(f"{kind}: {len(contents)} seeds")

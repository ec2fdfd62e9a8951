#!/usr/bin/env python3
"""Checks that the stub's descriptor table, the stub methods and the
skeleton's dispatch agree on the number of every operation and accessor.

    check_numbering.py --quorvex Q --expect numbering.txt file.idl ...

Each IDL file is generated with -fclient -fserver (and its own directory
on the include path).  For every stub class
written, the numbers are read from three places: the descriptor built into
__ops[k], the stub method whose body calls _invoke(__ops[k], ...), and the
skeleton's "case k:" with the method it calls.  The three must name the
same operation or accessor (a getter "_get_x" is the method x without
arguments, a setter "_set_x" the method x with one); every number below
the number of descriptors must be taken.  The file of expectations lists,
for some stub classes, the descriptor names in their expected order, one
class a line: "Package._NameStub: first second ...".
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile

DESCRIPTOR = re.compile(r'__ops\[(\d+)\] = new org\.omg\.CORBA\.portable\.OperationDescriptor\("([^"]*)"')
BLOCK = re.compile(r'\n    //\t(    Implementation of |Implementation of attribute )')
METHOD = re.compile(r'\n    public \S+ (\w+)\(([^)]*)\)')
INVOKE = re.compile(r'_invoke\(__ops\[(\d+)\]')
CASE = re.compile(r'\n           case (\d+): // [^\n]*\n')
CALL = re.compile(r'self\.(\w+)\(([\s\S])')


def accessor(name, has_args):
    return ("_set_" if has_args else "_get_") + name


def stub_numbers(text):
    """number -> (method, has parameters, is an accessor) for every stub method."""
    found = {}
    parts = BLOCK.split(text)
    for kind, block in zip(parts[1::2], parts[2::2]):
        methods = METHOD.findall("\n" + block)
        numbers = INVOKE.findall(block)
        for (name, params), k in zip(methods, numbers):
            found[int(k)] = (name, bool(params.strip()), kind.startswith("Implementation of attribute"))
    return found


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--expect")
    ap.add_argument("idl", nargs="+")
    opts = ap.parse_args()
    expected = {}
    if opts.expect:
        with open(opts.expect, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    cls, names = line.split(":", 1)
                    expected[cls.strip()] = names.split()
    failures = []
    with tempfile.TemporaryDirectory(prefix="quorvex-numbering-") as out:
        for idl in opts.idl:
            # The preprocessor reads the file from a pipe: its own directory
            # must be named for the files it includes.
            here = os.path.dirname(os.path.abspath(idl))
            proc = subprocess.run([os.path.abspath(opts.quorvex), "-fclient", "-fserver", "-I" + here, "-j", out,
                                   os.path.abspath(idl)], capture_output=True, text=True)
            if proc.returncode != 0:
                print(f"quorvex failed on {idl}:\n{proc.stderr}")
                return 1
        stubs = sorted(glob.glob(os.path.join(out, "**", "_*Stub.java"), recursive=True))
        if not stubs:
            print("no stub classes were written")
            return 1
        seen = set()
        for path in stubs:
            rel = os.path.relpath(path, out)[:-len(".java")]
            cls = rel.replace(os.sep, ".")
            seen.add(cls)
            with open(path, encoding="utf-8") as f:
                stub = f.read()
            skel_path = path[:-len("Stub.java")] + "ImplBase.java"
            if not os.path.exists(skel_path):
                failures.append(f"{cls}: no skeleton {os.path.relpath(skel_path, out)}")
                continue
            with open(skel_path, encoding="utf-8") as f:
                skel = f.read()

            descriptors = {int(k): name for k, name in DESCRIPTOR.findall(stub)}
            count = len(descriptors)
            if sorted(descriptors) != list(range(count)):
                failures.append(f"{cls}: descriptor numbers {sorted(descriptors)} are not 0..{count - 1}")
            table = re.search(r'__ops\[\] = new org\.omg\.CORBA\.portable\.OperationDescriptor\[(\d+)\]', stub)
            if not table or int(table.group(1)) < count:
                failures.append(f"{cls}: __ops is smaller than the {count} descriptors")

            methods = stub_numbers(stub)
            cases = {}
            parts = CASE.split(skel)
            for k, body in zip(parts[1::2], parts[2::2]):
                m = CALL.search(body)
                if not m:
                    failures.append(f"{cls}: case {k} calls no method")
                    continue
                cases[int(k)] = (m.group(1), m.group(2) not in ")\n")

            for k in range(count):
                name = descriptors.get(k)
                if k not in methods and k not in cases:
                    failures.append(f"{cls}: number {k} ({name}) has neither stub method nor case")
                    continue
                if k in methods:
                    method, args, is_accessor = methods[k]
                    want = accessor(method, args) if is_accessor else method
                    if want != name:
                        failures.append(f"{cls}: descriptor {k} is {name}, the stub method calling it is {want}")
                else:
                    failures.append(f"{cls}: no stub method calls descriptor {k} ({name})")
                if k in cases:
                    method, args = cases[k]
                    if name.startswith("_get_") or name.startswith("_set_"):
                        want = accessor(method, args)
                    else:
                        want = method
                    if want != name:
                        failures.append(f"{cls}: descriptor {k} is {name}, skeleton case {k} calls {want}")
                else:
                    failures.append(f"{cls}: the skeleton has no case {k} ({name})")
            for k in sorted(set(cases) - set(descriptors)):
                failures.append(f"{cls}: skeleton case {k} has no descriptor")
            for k in sorted(set(methods) - set(descriptors)):
                failures.append(f"{cls}: stub method {methods[k][0]} calls missing descriptor {k}")

            if cls in expected:
                got = [descriptors[k] for k in sorted(descriptors)]
                if got != expected[cls]:
                    failures.append(f"{cls}: operations in the order\n    {' '.join(got)}\n  expected\n"
                                    f"    {' '.join(expected[cls])}")
        for cls in sorted(set(expected) - seen):
            failures.append(f"{cls}: no such stub was written")
    if failures:
        print("\n".join(failures))
        return 1
    print(f"{len(stubs)} stubs agree with their skeletons")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Filters generated benchmark IDL so that quorvex accepts it.

quorvex resolves a qualified name that passes through an interface in that
interface's export table, which is filled only after the interface's own
body has been resolved; so `::M::I::T` written inside interface `I` itself
is "not declared within `M::I'".  The benchmark generator writes such names
freely.  Every name it writes is unique, so inside an interface a name
qualified by that interface (absolutely, or by a trailing part of its path)
can be written as the bare last component without changing its meaning.

Reads IDL on standard input, writes the filtered IDL to standard output.
"""
import re
import sys

opener = re.compile(r"^\s*(module|interface|struct|union|exception|enum)\s+(\w+)[^;]*\{\s*$")
closer = re.compile(r"^\s*\}[^{]*;\s*$")
qualified = re.compile(r"(?:::)?(?:\w+::)+\w+")

stack = []  # (kind, name) of each open construct


def current_interface_path():
    for depth in range(len(stack) - 1, -1, -1):
        if stack[depth][0] == "interface":
            return [name for _, name in stack[: depth + 1]]
    return None


def relativize(match, path):
    text = match.group(0)
    parts = text.lstrip(":").split("::")
    qualifier, last = parts[:-1], parts[-1]
    absolute = text.startswith("::")
    if (absolute and qualifier == path) or (not absolute and path[-len(qualifier):] == qualifier):
        return last
    return text


for line in sys.stdin:
    path = current_interface_path()
    if path:
        line = qualified.sub(lambda m: relativize(m, path), line)
    m = opener.match(line)
    if m:
        stack.append((m.group(1), m.group(2)))
    elif closer.match(line) and stack:
        stack.pop()
    sys.stdout.write(line)

#!/usr/bin/env python3
"""A seeded, deterministic generator of random valid IDL, for checking that
whatever the compiler accepts generates Java that compiles.

    random_idl.py SEED            prints one IDL file

A share of the seeds (uses_corba3) also writes the forms that need -fcorba3:
documentation comments before declarations, escaped identifiers, adjacent
string literals, computed floating-point constants, forward-declared structs,
wide characters and strings, and a reopened outermost module.

Every name is unique within the file (a counter is appended), and the
outermost module is named after the seed, so no generated program depends
on scoping subtleties and the programs of many seeds can be compiled
together; names that are Java
reserved words or end in Holder, Helper or Package are mixed in on purpose.
"""
import random
import sys

BASE = ["short", "long", "long long", "unsigned short", "unsigned long", "unsigned long long",
        "float", "double", "char", "boolean", "octet", "any", "string", "Object", "TypeCode"]
INT_DISC = ["short", "long", "unsigned short", "unsigned long", "long long", "char"]
JAVA_WORDS = ["abstract", "final", "native", "synchronized", "transient", "volatile", "throws",
              "package", "import", "class", "extends", "implements", "new", "this", "super",
              "null", "true", "false", "goto", "instanceof", "static", "try", "catch"]


def uses_corba3(seed):
    """Whether the program of this seed uses the forms of -fcorba3."""
    return seed % 5 == 3


class Gen:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.corba3 = uses_corba3(seed)
        self.n = 0
        self.out = []
        # Types usable as members/parameters, by scoped name: (name, kind).
        self.types = []
        self.interfaces = []
        self.exceptions = []
        self.consts = []  # scoped names of integer constants
        self.value = {}  # their values
        # Inside an interface, its own types and constants are held back:
        # written fully qualified there, they would not resolve.
        self.held = None
        self.bare = set()

    def name(self, stem):
        self.n += 1
        pick = self.r.random()
        if pick < 0.05:
            return f"{self.r.choice(JAVA_WORDS).capitalize()}{self.n}"
        if pick < 0.10:
            return f"{stem}{self.n}Holder"
        if pick < 0.13:
            return f"{stem}{self.n}Helper"
        if pick < 0.16:
            return f"{stem}{self.n}Package"
        return f"{stem}{self.n}"

    def member_name(self):
        self.n += 1
        if self.corba3 and self.r.random() < 0.1:
            # An escaped identifier names the identifier after the underscore.
            return f"_m{self.n}"
        if self.r.random() < 0.15:
            word = self.r.choice(JAVA_WORDS)
            # A bare reserved word once per file, so names stay unique.
            if word not in self.bare and self.r.random() < 0.5:
                self.bare.add(word)
                return word
            return word + str(self.n)
        return f"m{self.n}"

    def emit(self, depth, text):
        if self.corba3 and self.r.random() < 0.15:
            # A documentation comment where no description slot is.
            banner = self.r.choice(["/** doc {} */", "/*** banner {} ***/", "/**\n * doc {}\n */"])
            self.out.append("    " * depth + banner.format(self.n))
        self.out.append("    " * depth + text)

    def type_ref(self, allow_anon=True):
        if self.corba3 and self.r.random() < 0.08:
            return self.r.choice(["wchar", "wstring", f"wstring<{self.r.randint(1, 20)}>"])
        r = self.r.random()
        if self.types and r < 0.55:
            return self.r.choice(self.types)[0]
        if allow_anon and r < 0.62:
            return f"sequence<{self.type_ref(False)} >"
        if allow_anon and r < 0.66:
            return f"string<{self.r.randint(1, 40)}>"
        if self.interfaces and r < 0.72:
            return self.r.choice(self.interfaces)
        return self.r.choice(BASE)

    def simple_ref(self):
        """A type allowed where IDL wants a simple type: parameters,
        attributes, results, discriminator-free places."""
        if self.r.random() < 0.1:
            return f"string<{self.r.randint(1, 40)}>"
        return self.type_ref(False)

    def bound(self):
        # Only small constants make bounds: arrays are marshalled in full,
        # and the round trip builds every element.
        small = [c for c in self.consts if self.value[c] <= 4]
        if small and self.r.random() < 0.3:
            return f"{self.r.choice(small)} + {self.r.randint(1, 3)}"
        return str(self.r.randint(1, 6))

    def declarator(self):
        name = self.member_name()
        if self.r.random() < 0.15:
            return name + "".join(f"[{self.bound()}]" for _ in range(self.r.randint(1, 2)))
        return name

    def const(self, depth, scope):
        name = self.name("C").upper()
        kind = self.r.choice(["long", "short", "unsigned long", "string", "boolean", "char", "double"])
        if kind in ("long", "short", "unsigned long"):
            if self.consts and self.r.random() < 0.5:
                other, add = self.r.choice(self.consts), self.r.randint(0, 9)
                value = f"({other} * 2) + {add}"
                self.value[f"{scope}{name}"] = self.value[other] * 2 + add
            else:
                number = self.r.randint(0, 1000) if self.r.random() < 0.7 else self.r.randint(0, 4)
                value = str(number)
                self.value[f"{scope}{name}"] = number
            (self.held[1] if self.held else self.consts).append(f"{scope}{name}")
        elif kind == "string" and self.corba3 and self.r.random() < 0.5:
            value = '"adjacent \\x1" "2 " "literals"'
        elif kind == "string":
            value = '"text \\"quoted\\" \\\\ end"'
        elif kind == "double" and self.corba3 and self.r.random() < 0.5:
            value = self.r.choice([f"-{self.r.randint(0, 99)}.25 * 2", f"1 / 4.0 + {self.r.randint(0, 9)}",
                                   f"-(1.5e{self.r.randint(-30, 30)})"])
        elif kind == "boolean":
            value = self.r.choice(["TRUE", "FALSE"])
        elif kind == "char":
            value = self.r.choice(["'a'", "'\\n'", "'\\''"])
        else:
            value = f"{self.r.randint(0, 99)}.5"
        self.emit(depth, f"const {kind} {name} = {value};")

    def enum(self, depth, scope):
        name = self.name("E")
        items = [f"{name}_v{i}" for i in range(self.r.randint(1, 4))]
        self.emit(depth, f"enum {name} {{ {', '.join(items)} }};")
        # Enumerators are named through their enum when qualified.
        self.types.append((f"{scope}{name}", ("enum", [f"{scope}{name}::{i}" for i in items])))

    def struct(self, depth, scope, keyword="struct"):
        name = self.name("S" if keyword == "struct" else "X")
        if keyword == "struct" and self.corba3 and self.r.random() < 0.3:
            self.emit(depth, f"struct {name};")
        self.emit(depth, f"{keyword} {name} {{")
        members = self.r.randint(0 if keyword == "exception" else 1, 4)
        for _ in range(members):
            decls = ", ".join(self.declarator() for _ in range(self.r.randint(1, 2)))
            self.emit(depth + 1, f"{self.type_ref()} {decls};")
        self.emit(depth, "};")
        if keyword == "struct":
            (self.held[0] if self.held else self.types).append((f"{scope}{name}", ("struct",)))
        else:
            self.exceptions.append(f"{scope}{name}")

    def union(self, depth, scope):
        name = self.name("U")
        enums = [t for t in self.types if t[1][0] == "enum"]
        pick = self.r.random()
        if enums and pick < 0.3:
            disc_name, (_, items) = self.r.choice(enums)
            labels = list(items)
            disc = disc_name
        elif pick < 0.45:
            disc = "boolean"
            labels = ["TRUE", "FALSE"]
        else:
            disc = self.r.choice(INT_DISC)
            if disc == "char":
                labels = [f"'{c}'" for c in "abcdefgh"]
            else:
                labels = [str(v) for v in self.r.sample(range(0 if disc.startswith("unsigned") else -5, 20), 8)]
        self.r.shuffle(labels)
        cases = self.r.randint(1, min(4, len(labels)))
        default = self.r.random() < 0.5
        self.emit(depth, f"union {name} switch ({disc}) {{")
        used = 0
        for c in range(cases):
            take = self.r.randint(1, 2) if used + 2 <= len(labels) else 1
            if used + take > len(labels):
                break
            heads = " ".join(f"case {l}:" for l in labels[used:used + take])
            used += take
            if default and c == cases - 1:
                heads += " default:"
                default = False
            self.emit(depth + 1, f"{heads} {self.type_ref()} {self.member_name()};")
        if default:
            self.emit(depth + 1, f"default: {self.type_ref()} {self.member_name()};")
        self.emit(depth, "};")
        self.types.append((f"{scope}{name}", ("union",)))

    def typedef(self, depth, scope):
        name = self.name("T")
        r = self.r.random()
        if r < 0.3:
            target = f"sequence<{self.type_ref()}, {self.bound()} >" if self.r.random() < 0.4 else \
                f"sequence<{self.type_ref()} >"
            self.emit(depth, f"typedef {target} {name};")
        elif r < 0.5:
            self.emit(depth, f"typedef {self.type_ref(False)} {name}[{self.bound()}]"
                             + (f"[{self.bound()}];" if self.r.random() < 0.5 else ";"))
        else:
            self.emit(depth, f"typedef {self.type_ref()} {name};")
        self.types.append((f"{scope}{name}", ("typedef",)))

    def interface(self, depth, scope):
        name = self.name("I")
        bases = []
        if self.interfaces and self.r.random() < 0.6:
            bases = self.r.sample(self.interfaces, min(len(self.interfaces), self.r.randint(1, 2)))
        head = f"interface {name}" + (f" : {', '.join(bases)}" if bases else "")
        self.emit(depth, head + " {")
        inner = f"{scope}{name}::"
        # Names declared inside are usable only after the interface: inside
        # it they would have to be written relative to it.
        outer_held = self.held
        self.held = ([], [])
        for _ in range(self.r.randint(0, 5)):
            pick = self.r.random()
            if pick < 0.15:
                self.emit(depth + 1, f"{'readonly ' if self.r.random() < 0.5 else ''}attribute "
                                     f"{self.simple_ref()} {self.member_name()};")
            elif pick < 0.25:
                self.struct(depth + 1, inner)
            elif pick < 0.3:
                self.const(depth + 1, inner)
            elif pick < 0.35:
                self.emit(depth + 1, f"oneway void {self.member_name()}(in {self.simple_ref()} a);")
            else:
                result = "void" if self.r.random() < 0.3 else self.simple_ref()
                params = ", ".join(f"{self.r.choice(['in', 'out', 'inout'])} {self.simple_ref()} p{i}"
                                   for i in range(self.r.randint(0, 3)))
                raises = ""
                if self.exceptions and self.r.random() < 0.4:
                    raises = f" raises ({', '.join(self.r.sample(self.exceptions, min(2, len(self.exceptions))))})"
                self.emit(depth + 1, f"{result} {self.member_name()}({params}){raises};")
        self.emit(depth, "};")
        held_types, held_consts = self.held
        self.held = outer_held
        self.types += held_types
        self.consts += held_consts
        self.interfaces.append(f"{scope}{name}")

    def module(self, depth, scope, budget, name=None):
        name = name or self.name("M")
        self.emit(depth, f"module {name} {{")
        if self.r.random() < 0.2:
            self.emit(depth + 1, f"struct {name} {{ long same_as_module; }};")
            self.types.append((f"{scope}{name}::{name}", ("struct",)))
        self.body(depth + 1, f"{scope}{name}::", budget)
        self.emit(depth, "};")

    def body(self, depth, scope, budget):
        for _ in range(budget):
            pick = self.r.random()
            if pick < 0.1 and depth < 3:
                self.module(depth, scope, max(1, budget // 2))
            elif pick < 0.2:
                self.const(depth, scope)
            elif pick < 0.3:
                self.enum(depth, scope)
            elif pick < 0.45:
                self.struct(depth, scope)
            elif pick < 0.55:
                self.struct(depth, scope, "exception")
            elif pick < 0.7:
                self.union(depth, scope)
            elif pick < 0.8:
                self.typedef(depth, scope)
            else:
                self.interface(depth, scope)

    def program(self, seed):
        if self.r.random() < 0.3:
            self.emit(0, f'#pragma prefix "r{self.r.randint(0, 99)}.example"')
        if self.r.random() < 0.2:
            self.emit(0, f'#pragma javaPackage "p{seed}.gen"')
        # The outermost module carries the seed, so that the programs of many
        # seeds share one output root and one javac run without a package
        # prefix: a prefix would hide names that javac reads as a class
        # where a package was meant.
        self.module(0, "::", self.r.randint(4, 12), f"R{seed}")
        if self.corba3:
            # The outermost module again: its second body sees the first's.
            self.module(0, "::", self.r.randint(1, 4), f"R{seed}")
        return "\n".join(self.out) + "\n"


if __name__ == "__main__":
    sys.stdout.write(Gen(int(sys.argv[1])).program(int(sys.argv[1])))

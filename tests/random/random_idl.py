#!/usr/bin/env python3
"""A seeded, deterministic generator of random valid IDL, for checking that
whatever the compiler accepts generates Java that compiles.

    random_idl.py SEED            prints one IDL file

A share of the seeds (uses_corba3) also writes the forms that need -fcorba3:
documentation comments before declarations, escaped identifiers, adjacent
string literals, computed floating-point constants, forward-declared structs,
wide characters and strings, fixed-point types (members, typedefs, arrays,
boxes) and constants, a reopened outermost module, boxed value types,
value types (public and private state, a member of their own type, a
concrete base, truncatable or not, abstract value type bases, supports of
an abstract or a concrete interface, initializers, operations and
attributes, custom marshalling), abstract value types and abstract
interfaces (inherited by interfaces and abstract interfaces); all of these
used as members and parameters like any type; local interfaces (used by
nothing that travels), and #pragma ID, #pragma version and typeprefix.

Every name is unique within the file (a counter is appended), and the
outermost module is named after the seed, so no generated program depends
on scoping subtleties and the programs of many seeds can be compiled
together; names that are Java
reserved words or end in Holder, Helper or Package are mixed in on purpose.
So are members and branches named like what the generated Java names
itself (discriminator, value, type, id), like a module or package the
member's own type lies in, or like a java.lang class; union labels at both
ends of their discriminator type; and constants at the limits of every
integer type.  Parameters and enumerators are named like the generated
code's own locals and parameters, or like a module; a second outermost
module is named like a local of the generated code or a type of java.lang
(its inner module carries the seed); pragma prefixes hold escapes; doubles
sit at the edges of their range; labels and constants name enumerators
through their module; 64-bit constants shift by 32 or more; octet
constants are operands; with -fcorba3 constants of enum types.

refused(SEED) gives a program with one declaration the compiler must
refuse, and the words of its error: a constant beyond a limit of its type,
a union label twice or out of its discriminator's range.
"""
import random
import sys

BASE = ["short", "long", "long long", "unsigned short", "unsigned long", "unsigned long long",
        "float", "double", "char", "boolean", "octet", "any", "string", "Object", "TypeCode"]
INT_DISC = ["short", "long", "unsigned short", "unsigned long", "long long", "unsigned long long", "char"]
# Names the generated classes use themselves, and java.lang classes.
SPECIAL = ["discriminator", "value", "type", "id", "that", "dis", "String", "Object", "Integer", "Long"]
# The least and greatest value of each integer type, and how IDL writes them.
LIMITS = {
    "octet": ("0", "255"),
    "short": ("-32768", "32767"),
    "unsigned short": ("0", "65535"),
    "long": ("-2147483648", "2147483647"),
    "unsigned long": ("0", "4294967295"),
    "long long": ("-9223372036854775808", "9223372036854775807"),
    "unsigned long long": ("0", "18446744073709551615"),
}
HEX_LIMITS = {
    "octet": "0xFF",
    "unsigned short": "0xFFFF", "unsigned long": "0xFFFFFFFF", "unsigned long long": "0xFFFFFFFFFFFFFFFF",
    "long": "0x7FFFFFFF", "long long": "0x7FFFFFFFFFFFFFFF", "short": "0x7FFF",
}
# Names the generated code gives its own locals and parameters, and types
# of java.lang newer than the reserved lists: a package of such a name is
# hidden by them.
LOCALS = ["value", "label", "that", "dis", "arg", "a", "i", "discriminator", "out_", "tc", "org"]
LANG_TYPES = ["Byte", "Record", "StringBuilder", "Void", "Module", "Iterable", "Override", "Short"]
# Enumerators named like from_int's parameter or the enum's own field.
ENUMERATORS = ["i", "value", "discriminator"]
# Doubles at the edges of their range, as IDL writes them.
DOUBLE_EDGES = ["2e-324", "4.9e-324", "1e-320", "1.7976931348623157e308", "2.2250738585072014e-308"]
JAVA_WORDS = ["abstract", "final", "native", "synchronized", "transient", "volatile", "throws",
              "package", "import", "class", "extends", "implements", "new", "this", "super",
              "null", "true", "false", "goto", "instanceof", "static", "try", "catch"]


def value_of(text):
    """The value of an integer label or constant as the generator writes it."""
    return int(eval(text))


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
        # The enclosing modules' names, innermost last, and the first
        # components of the seed's Java packages.
        self.modules = []
        self.roots = []
        # Special names taken by operations and attributes, which an
        # interface inherits, and by value types' members, which a value
        # type inherits beside its supported interface's operations: once
        # per file.
        self.taken_in_interfaces = set()
        self.object_named = False
        # Constants at the limits, by type: (scoped name, IDL text).
        self.limits = {}
        # The boxed value types and value types, which no box may hold.
        self.boxes = set()
        # The struct named like a root of the runtime's packages, if any.
        self.runtime_root = None
        # Enumerator names from ENUMERATORS already used in the file.
        self.enumerators_taken = set()
        # Integer constants by kind, usable as operands: (scoped name, value).
        self.octets = []
        self.wide = []
        # Under -fcorba3: abstract interfaces, stateful (not custom) value
        # types that may be a concrete base, and abstract value types, by
        # scoped name.
        self.abstracts = []
        self.stateful = []
        self.abstract_values = []

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

    def member_name(self, taken=None, type_name=None):
        """A member's name, unique in its scope; `taken` holds the special
        names the scope already has, `type_name` the member's type."""
        self.n += 1
        if taken is not None and self.r.random() < 0.12:
            modules = self.modules[-1:] + self.roots
            if type_name and type_name.startswith("::"):
                modules += type_name[2:].split("::")[:-1]
            name = self.r.choice(modules if self.r.random() < 0.5 else SPECIAL)
            if name not in taken:
                taken.add(name)
                self.object_named |= name == "Object"
                return name
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
        if self.corba3 and allow_anon and self.r.random() < 0.05:
            digits = self.r.randint(1, 31)
            return f"fixed<{digits},{self.r.choice([0, self.r.randint(0, digits), digits])}>"
        if self.corba3 and self.r.random() < 0.08:
            return self.r.choice(["wchar", "wstring", f"wstring<{self.r.randint(1, 20)}>"])
        r = self.r.random()
        if self.types and r < 0.55:
            return self.r.choice(self.types)[0]
        if allow_anon and r < 0.62:
            return f"sequence<{self.type_ref(False)} >"
        if allow_anon and r < 0.66:
            return f"string<{self.r.randint(1, 40)}>"
        if self.abstracts and 0.66 <= r < 0.72 and self.r.random() < 0.5:
            return self.r.choice(self.abstracts)
        if self.interfaces and r < 0.72:
            return self.r.choice(self.interfaces)
        base = self.r.choice(BASE)
        # Once a member is named Object, the type is named from the top: in
        # that member's scope "Object" names the member.
        return "::Object" if base == "Object" and self.object_named else base

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

    def declarator(self, taken=None, type_name=None):
        name = self.member_name(taken, type_name)
        if self.r.random() < 0.15:
            return name + "".join(f"[{self.bound()}]" for _ in range(self.r.randint(1, 2)))
        return name

    def limit(self, kind):
        """A value at or next to an end of integer type `kind`, as IDL text."""
        low, high = LIMITS[kind]
        pick = self.r.random()
        if pick < 0.3:
            return low
        if pick < 0.6:
            return high
        if pick < 0.75:
            return HEX_LIMITS[kind]
        if pick < 0.9:
            return f"{high} - 1"
        return f"{low} + 1"

    def const(self, depth, scope):
        name = self.name("C").upper()
        kind = self.r.choice(["long", "short", "unsigned long", "string", "boolean", "char", "double", "limit",
                              "wide", "octet"])
        if kind == "wide":
            # 64-bit constants shift by 32 or more.
            if self.wide and self.r.random() < 0.5:
                other, count = self.r.choice(self.wide), self.r.randint(32, 40)
                kind, value = "unsigned long long", f"{other} >> {count}"
            else:
                kind, value = self.r.choice(["long long", "unsigned long long"]), f"1 << {self.r.randint(32, 62)}"
                if not self.held:
                    self.wide.append(f"{scope}{name}")
            self.emit(depth, f"const {kind} {name} = {value};")
            return
        if kind == "octet":
            # An octet constant, and octet constants as operands.
            if self.octets and self.r.random() < 0.6:
                other, v = self.r.choice(self.octets)
                add = self.r.randint(0, 255 - v)
                value, v = f"{other} + {add}", v + add
            else:
                v = self.r.randint(0, 255)
                value = str(v)
            if not self.held:
                self.octets.append((f"{scope}{name}", v))
            self.emit(depth, f"const octet {name} = {value};")
            return
        if kind == "double" and self.r.random() < 0.3:
            self.emit(depth, f"const double {name} = {self.r.choice(DOUBLE_EDGES)};")
            return
        if kind == "limit":
            kind = self.r.choice(list(LIMITS))
            value = self.limit(kind)
            if not self.held:
                self.limits.setdefault(kind, []).append((f"{scope}{name}", value))
        elif kind in ("long", "short", "unsigned long"):
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
        elif kind == "boolean" and self.corba3 and self.r.random() < 0.3:
            kind = "fixed"
            value = self.r.choice(["12.50d", "-0.5d", "0d", "-.05D", "1234567890123456789012345678901d"])
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
        free = [e for e in ENUMERATORS if e not in self.enumerators_taken]
        if free and self.r.random() < 0.3:
            # Enumerators share their module's scope: each special one once.
            special = self.r.choice(free)
            self.enumerators_taken.add(special)
            items[self.r.randrange(len(items))] = special
        self.emit(depth, f"enum {name} {{ {', '.join(items)} }};")
        # Enumerators are named through their enum, or through the module
        # that holds them (an escaped identifier names the one after "_").
        plain = [i[1:] if i.startswith("_") else i for i in items]
        named = [f"{scope}{name}::{i}" if self.r.random() < 0.5 or scope == "::" else f"{scope}{i}" for i in plain]
        self.types.append((f"{scope}{name}", ("enum", named)))
        if self.corba3 and not self.held and self.r.random() < 0.4:
            # A constant of the enum's type names one of its enumerators.
            const = self.name("EC").upper()
            self.emit(depth, f"const {scope}{name} {const} = {self.r.choice(named)};")

    def struct(self, depth, scope, keyword="struct"):
        name = self.name("S" if keyword == "struct" else "X")
        if keyword == "struct" and self.corba3 and self.r.random() < 0.3:
            self.emit(depth, f"struct {name};")
        self.emit(depth, f"{keyword} {name} {{")
        members = self.r.randint(0 if keyword == "exception" else 1, 4)
        taken = set()
        for _ in range(members):
            type_name = self.type_ref()
            decls = ", ".join(self.declarator(taken, type_name) for _ in range(self.r.randint(1, 2)))
            self.emit(depth + 1, f"{type_name} {decls};")
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
                if self.r.random() < 0.3:
                    labels[:2] = ["'\\0'", "'\\377'"]
            else:
                labels = [str(v) for v in self.r.sample(range(0 if disc.startswith("unsigned") else -5, 20), 8)]
                if self.r.random() < 0.4:
                    # Both ends of the type, or one end and its neighbour,
                    # written in decimal, in hex or through a constant.
                    low, high = LIMITS[disc]
                    pick = self.r.random()
                    ends = [low, high] if pick < 0.5 else [high, f"{high} - 1"] if pick < 0.75 else [low, f"{low} + 1"]
                    if high in ends and self.r.random() < 0.2:
                        ends[ends.index(high)] = HEX_LIMITS[disc]
                    labels = ends + [l for l in labels if l not in ("0", "1")][:6]
                    named = [(c, v) for c, v in self.limits.get(disc, []) if value_of(v) in map(value_of, labels)]
                    if named and self.r.random() < 0.5:
                        c, v = self.r.choice(named)
                        labels = [c if value_of(l) == value_of(v) else l for l in labels]
        self.r.shuffle(labels)
        cases = self.r.randint(1, min(4, len(labels)))
        default = self.r.random() < 0.5
        self.emit(depth, f"union {name} switch ({disc}) {{")
        taken = set()
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
            type_name = self.type_ref()
            self.emit(depth + 1, f"{heads} {type_name} {self.member_name(taken, type_name)};")
        if default:
            type_name = self.type_ref()
            self.emit(depth + 1, f"default: {type_name} {self.member_name(taken, type_name)};")
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
            target = self.type_ref()
            self.emit(depth, f"typedef {target} {name};")
            # A typedef of a box or value type is one too: no box may hold it.
            if target in self.boxes:
                self.boxes.add(f"{scope}{name}")
        self.types.append((f"{scope}{name}", ("typedef",)))

    def interface(self, depth, scope):
        name = self.name("I")
        bases = []
        if self.interfaces and self.r.random() < 0.6:
            bases = self.r.sample(self.interfaces, min(len(self.interfaces), self.r.randint(1, 2)))
        if self.abstracts and self.r.random() < 0.4:
            # Abstract interfaces too (each of them at most once).
            bases += [a for a in self.r.sample(self.abstracts, 1) if a not in bases]
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
                                     f"{self.simple_ref()} {self.member_name(self.taken_in_interfaces)};")
            elif pick < 0.25:
                self.struct(depth + 1, inner)
            elif pick < 0.3:
                self.const(depth + 1, inner)
            elif pick < 0.35:
                self.emit(depth + 1, f"oneway void {self.member_name(self.taken_in_interfaces)}"
                                     f"(in {self.simple_ref()} a);")
            else:
                result = "void" if self.r.random() < 0.3 else self.simple_ref()
                params = [(self.r.choice(['in', 'out', 'inout']), self.simple_ref())
                          for i in range(self.r.randint(0, 3))]
                # Some parameters are named like the stub's own locals, or
                # like a module (the types are all named from the top).
                names = [f"p{i}" for i in range(len(params))]
                for i in range(len(names)):
                    if self.r.random() < 0.25:
                        pick = self.r.choice(LOCALS + self.modules + self.roots)
                        if pick not in names:
                            names[i] = pick
                raises = ""
                if self.exceptions and self.r.random() < 0.4:
                    raises = f" raises ({', '.join(self.r.sample(self.exceptions, min(2, len(self.exceptions))))})"
                op = self.member_name(self.taken_in_interfaces)
                # The parameters are resolved where the operation is already
                # declared: an operation named Object hides the type there.
                params = ", ".join(f"{mode} {'::Object' if op == 'Object' and t == 'Object' else t} {names[i]}"
                                   for i, (mode, t) in enumerate(params))
                self.emit(depth + 1, f"{result} {op}({params}){raises};")
        self.emit(depth, "};")
        held_types, held_consts = self.held
        self.held = outer_held
        self.types += held_types
        self.consts += held_consts
        self.interfaces.append(f"{scope}{name}")

    def module(self, depth, scope, budget, name=None, reopened=False):
        name = name or self.name("M")
        self.emit(depth, f"module {name} {{")
        self.modules.append(name)
        # A reopened module already holds the type of its own name, if any.
        if not reopened and self.r.random() < 0.2:
            self.emit(depth + 1, f"struct {name} {{ long same_as_module; }};")
            self.types.append((f"{scope}{name}::{name}", ("struct",)))
        if not reopened and not self.runtime_root and self.r.random() < 0.1:
            # A type named like the first component of the runtime's
            # packages, once per file.  Under -fcorba3 only java: the Helpers
            # of value types name both OutputStream classes
            # (org.omg.CORBA.portable and org.omg.CORBA_2_3.portable), so a
            # class org beside them is refused, rightly, since no import
            # reaches both.
            self.runtime_root = "java" if self.corba3 else self.r.choice(["org", "java"])
            self.emit(depth + 1, f"struct {self.runtime_root} {{ long hides_a_package; }};")
            self.types.append((f"{scope}{name}::{self.runtime_root}", ("struct",)))
        if reopened:
            # Every program of -fcorba3 has an abstract interface and a value
            # type that supports it.
            self.abstract_interface(depth + 1, f"{scope}{name}::")
            self.value_type(depth + 1, f"{scope}{name}::", self.abstracts[-1])
        self.body(depth + 1, f"{scope}{name}::", budget)
        self.modules.pop()
        self.emit(depth, "};")

    def box(self, depth, scope):
        """A boxed value type of any type but another box or a value type."""
        name = self.name("B")
        boxed = self.type_ref()
        for _ in range(5):
            if boxed not in self.boxes:
                break
            boxed = self.type_ref()
        else:
            boxed = "long"
        self.emit(depth, f"valuetype {name} {boxed};")
        self.boxes.add(f"{scope}{name}")
        self.types.append((f"{scope}{name}", ("box",)))

    def operations(self, depth, count):
        """Operations and attributes of an abstract interface or a value
        type."""
        for _ in range(count):
            if self.r.random() < 0.3:
                self.emit(depth, f"{'readonly ' if self.r.random() < 0.5 else ''}attribute "
                                 f"{self.simple_ref()} {self.member_name(self.taken_in_interfaces)};")
            else:
                result = "void" if self.r.random() < 0.3 else self.simple_ref()
                params = ", ".join(f"{self.r.choice(['in', 'out', 'inout'])} {self.simple_ref()} p{i}"
                                   for i in range(self.r.randint(0, 2)))
                self.emit(depth, f"{result} {self.member_name(self.taken_in_interfaces)}({params});")

    def abstract_interface(self, depth, scope):
        """An abstract interface, perhaps inheriting another, with
        operations and attributes or none."""
        name = self.name("A")
        head = f"abstract interface {name}"
        if self.abstracts and self.r.random() < 0.4:
            head += f" : {self.r.choice(self.abstracts)}"
        self.emit(depth, head + " {")
        self.operations(depth + 1, self.r.choice([0, 0, 1, 2]))
        self.emit(depth, "};")
        self.abstracts.append(f"{scope}{name}")

    def supports(self):
        """A supports clause, or nothing."""
        pick = self.r.random()
        if self.abstracts and pick < 0.5:
            return f" supports {self.r.choice(self.abstracts)}"
        if self.interfaces and pick < 0.6:
            return f" supports {self.r.choice(self.interfaces)}"
        return ""

    def value_type(self, depth, scope, supporting=None):
        """A value type: an abstract one (operations only), or one with a
        public member of its own type, then public and private members of
        any type; perhaps a concrete base (truncatable or not), abstract
        bases, a supported interface, initializers, operations and
        attributes, or custom marshalling.  Given `supporting`, a stateful
        one that supports that abstract interface."""
        pick = 1 if supporting else self.r.random()
        if pick < 0.15:
            name = self.name("AV")
            head = f"abstract valuetype {name}"
            if self.abstract_values and self.r.random() < 0.4:
                head += f" : {self.r.choice(self.abstract_values)}"
            self.emit(depth, head + self.supports() + " {")
            self.operations(depth + 1, self.r.choice([0, 0, 1]))
            self.emit(depth, "};")
            self.abstract_values.append(f"{scope}{name}")
            self.types.append((f"{scope}{name}", ("value",)))
            self.boxes.add(f"{scope}{name}")
            return
        custom = pick < 0.25
        name = self.name("V")
        bases = []
        if not custom and self.stateful and self.r.random() < 0.4:
            bases.append(("truncatable " if self.r.random() < 0.5 else "") + self.r.choice(self.stateful))
        if self.abstract_values and self.r.random() < 0.3:
            bases.append(self.r.choice(self.abstract_values))
        head = f"{'custom ' if custom else ''}valuetype {name}" + (f" : {', '.join(bases)}" if bases else "")
        self.emit(depth, head + (f" supports {supporting}" if supporting else self.supports()) + " {")
        self.emit(depth + 1, f"public {name} {self.member_name(self.taken_in_interfaces)};")
        for _ in range(self.r.randint(0, 3)):
            visibility = self.r.choice(["public", "private"])
            self.emit(depth + 1, f"{visibility} {self.type_ref()} {self.member_name(self.taken_in_interfaces)};")
        if self.r.random() < 0.3:
            params = ", ".join(f"in {self.simple_ref()} p{i}" for i in range(self.r.randint(0, 2)))
            self.emit(depth + 1, f"factory {self.member_name(self.taken_in_interfaces)}({params});")
        if self.r.random() < 0.25:
            self.operations(depth + 1, 1)
        self.emit(depth, "};")
        if not custom:
            self.stateful.append(f"{scope}{name}")
        self.types.append((f"{scope}{name}", ("value",)))
        self.boxes.add(f"{scope}{name}")

    def local_interface(self, depth):
        """A local interface; nothing that travels names it."""
        name = self.name("L")
        if self.r.random() < 0.3:
            self.emit(depth, f"local interface {name};")
        self.emit(depth, f"local interface {name} {{")
        for _ in range(self.r.randint(0, 2)):
            self.emit(depth + 1, f"{self.simple_ref()} {self.member_name(self.taken_in_interfaces)}"
                                 f"(in {self.simple_ref()} a, in {name} self_again);")
        self.emit(depth, "};")

    def repository_directive(self, depth, scope):
        """#pragma ID or version for a type of this scope, or a typeprefix
        of the enclosing module."""
        own = [t for t, _ in self.types if t.startswith(scope) and "::" not in t[len(scope):]]
        pick = self.r.random()
        if own and pick < 0.35:
            target = self.r.choice(own)[len(scope):]
            self.emit(depth, f"#pragma version {target} {self.r.randint(1, 9)}.{self.r.randint(0, 9)}")
        elif own and pick < 0.7:
            target = self.r.choice(own)[len(scope):]
            # The identifier keeps the seed's module, which the round trip
            # reads from it.
            path = scope.strip(":").replace("::", "/")
            self.emit(depth, f'#pragma ID {target} "IDL:given.example/{path}/{target}:1.{self.r.randint(0, 9)}"')
        elif self.modules:
            self.emit(depth, f'typeprefix {self.modules[-1]} "t{self.r.randint(0, 99)}.example";')

    def body(self, depth, scope, budget):
        for _ in range(budget):
            if self.corba3 and self.r.random() < 0.25:
                pick = self.r.random()
                if pick < 0.25:
                    self.box(depth, scope)
                elif pick < 0.5:
                    self.value_type(depth, scope)
                elif pick < 0.62:
                    self.abstract_interface(depth, scope)
                elif pick < 0.75:
                    self.local_interface(depth)
                else:
                    self.repository_directive(depth, scope)
                continue
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
            # Escapes in the prefix: the identifier holds what they stand for.
            escaped = self.r.choice(["", "\\x41", "\\\"q", "\\\\b", "\\101"])
            self.emit(0, f'#pragma prefix "r{self.r.randint(0, 99)}{escaped}.example"')
        if self.r.random() < 0.2:
            self.emit(0, f'#pragma javaPackage "p{seed}.gen"')
            self.roots.append(f"p{seed}")
        # The runner gives one seed in four the package prefix s<seed>.
        if seed % 4 == 0:
            self.roots.append(f"s{seed}")
        # The outermost module carries the seed, so that the programs of many
        # seeds share one output root and one javac run without a package
        # prefix: a prefix would hide names that javac reads as a class
        # where a package was meant.
        self.module(0, "::", self.r.randint(4, 12), f"R{seed}")
        if self.corba3:
            # The outermost module again: its second body sees the first's.
            self.module(0, "::", self.r.randint(1, 4), f"R{seed}", reopened=True)
        if self.r.random() < 0.4:
            # A second outermost module named like a local of the generated
            # code or a type of java.lang; the seed is in its inner module,
            # so that the programs of many seeds still share one root.
            root = self.r.choice(LOCALS + LANG_TYPES)
            self.roots.append(root)
            self.emit(0, f"module {root} {{")
            self.modules.append(root)
            self.module(1, f"::{root}::", self.r.randint(2, 5), f"R{seed}x")
            self.modules.pop()
            self.emit(0, "};")
        return "\n".join(self.out) + "\n"


def refused(seed):
    """A valid program of the seed with one declaration the compiler must
    refuse, and the words its error holds."""
    r = random.Random(seed * 7919 + 1)
    text = Gen(seed).program(seed)
    pick = r.random()
    if pick < 0.5:
        kind = r.choice(list(LIMITS))
        low, high = LIMITS[kind]
        value = f"{high} + 1" if r.random() < 0.5 else f"{low} - 1"
        bad = f"const {kind} BEYOND_{seed} = {value};"
        words = f"value out of range for {kind}: {value}"
    elif pick < 0.8:
        disc = r.choice(INT_DISC[:-1])
        label = r.choice(LIMITS[disc])
        bad = f"union TWICE_{seed} switch ({disc}) {{ case {label}: long a; case {label}: short b; }};"
        words = f"duplicate case label in union TWICE_{seed}: {label}"
    else:
        disc = r.choice(["short", "unsigned short", "long", "unsigned long"])
        low, high = LIMITS[disc]
        label = f"{high} + 1" if r.random() < 0.5 else f"{low} - 1"
        bad = f"union WIDE_{seed} switch ({disc}) {{ case {label}: long a; }};"
        words = f"case label out of range for {disc}: {label}"
    return text + bad + "\n", words


if __name__ == "__main__":
    sys.stdout.write(Gen(int(sys.argv[1])).program(int(sys.argv[1])))

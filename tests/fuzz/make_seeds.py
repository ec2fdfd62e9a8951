#!/usr/bin/env python3
"""Refreshes the fuzz seed corpora from the project's own test inputs.

IDL seeds come from examples/*.idl, the IDL input files of the
command-line cases and the programs below, which reach the grammar of
-fcorba3; environment-file seeds from the cases' .env inputs.  The fuzz
targets turn -fcorba3 on for inputs whose first byte is odd: a seed from a
case run with -fcorba3 that starts with an even byte gets a comment line
first.  Each seed is named by a hash of its content, so running the
script again writes the same files.
"""
import glob
import hashlib
import os

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
seeds = {"idl": set(), "env": set()}

# Programs of -fcorba3 (each starts with an odd byte): value types with
# state, initializers, operations, supports, bases, truncatable and custom
# ones, abstract value types and interfaces, boxes, fixed-point types and
# constants, all used as members, parameters and results.
CORBA3 = [
    """module V {
    abstract interface Named { string name(); attribute long size; };
    interface Thing : Named { void poke(in long how); };
    abstract valuetype Shape { double area(); };
    valuetype Node;
    exception Oops { Node where; };
    typedef fixed<9,2> Money;
    valuetype Node {
        public long id;
        public Node next;
        private string label;
        factory make(in long id, in string label);
        factory empty();
        long twice(in long x) raises (Oops);
        attribute short level;
    };
    valuetype Square : truncatable Node, Shape supports Named {
        public fixed<9,2> side;
        private sequence<Node> kids;
    };
    valuetype Plain { public Plain self; public Named other; };
    custom valuetype Blob : Plain { public octet first; };
    valuetype Text string;
    valuetype Count long;
    valuetype Thingy supports Thing { public Thing peer; };
    struct Pair { Node a; Node b; Named n; Money m; Text t; };
    typedef fixed<31,0> Whole;
    typedef fixed<5,5> Fraction;
    typedef Money Prices[3];
    union U switch (long) { case 1: Node n; case 2: Money m; default: Named x; };
    const fixed Rate = 12.50d;
    const fixed Tiny = -0.0001D;
    const fixed Big = 1234567890123456789012345678901d;
    interface Shop {
        Node swap(in Node a, inout Square b, out Plain c);
        Named find(in Named key, out Named other);
        Money price(in Money base, inout Whole count, out Fraction f);
        Pair pair(in Pair p);
        any wrap(in any a);
        readonly attribute Money total;
    };
};
""",
    """// Inheritance and supports between modules, forward declarations.
module A {
    abstract interface Base;
    valuetype Fwd;
    abstract interface Base { void ping(); };
    valuetype Fwd { public Fwd me; public sequence<Fwd> all; };
};
module B {
    abstract interface More : A::Base { A::Fwd get(); };
    valuetype Mid : A::Fwd supports More { public long n; factory init(in long n); };
    valuetype Low : truncatable Mid { private fixed<3,1> f; };
    custom valuetype Own supports A::Base { public string s; };
    abstract valuetype Abs supports More { };
    interface Use : More { Low pass(in Mid m, out A::Fwd f); };
};
""",
    """module Errors {
    valuetype V { public long x; };
    custom valuetype C : truncatable V { };
    abstract valuetype A : truncatable V { };
    valuetype W : V, V { };
    valuetype X supports Nothing { };
    abstract interface I : Errors::V { };
    typedef fixed<32,2> TooLong;
    typedef fixed<3,4> ScaleBeyond;
    const fixed Wide = 12345678901234567890123456789012d;
    const long double D = 1.0;
    valuetype Y { public Y y; private Y z; factory f(out long x); };
};
""",
]
seeds["idl"].update(text.encode() for text in CORBA3)

for path in glob.glob(os.path.join(root, "examples", "*.idl")):
    seeds["idl"].add(open(path, "rb").read())

for case in glob.glob(os.path.join(root, "tests", "cli", "**", "*.case"), recursive=True):
    name, body, corba3 = None, [], False
    for line in open(case, encoding="utf-8").read().splitlines(keepends=True) + ["=== end\n"]:
        if line.startswith("args:"):
            corba3 = "-fcorba3" in line.split()
        if line.startswith("=== "):
            if name:
                kind = "idl" if name.endswith(".idl") else "env" if name.endswith(".env") else None
                content = "".join(body).encode()
                if kind == "idl" and corba3 and not (content and content[0] & 1):
                    content = b"//\n" + content
                if kind:
                    seeds[kind].add(content)
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

// omniORB's side of the value CDR test: writes a Pack (a cycle of two
// nodes, a truncatable Circle sharing a node, a null) to a file as octets,
// as a bare struct and inside an any, and reads such files written by the
// Java runtime, checking the graph it finds.
//
//   valuecdr write BARE ANY       little-endian octets, omniORB's own
//   valuecdr read BARE ANY known  big-endian octets from Java; "known":
//                                 Circle has a factory here, "unknown": it
//                                 has none, and the Circle arrives as its
//                                 base Shape
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "valuecdr.hh"

namespace {

int failures = 0;

void check(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    std::cout << "FAILED: " << what << std::endl;
  }
}

class NodeFactory : public virtual CORBA::ValueFactoryBase {
 public:
  CORBA::ValueBase* create_for_unmarshal() { return new OBV_VC::Node(); }
};

class ShapeFactory : public virtual CORBA::ValueFactoryBase {
 public:
  CORBA::ValueBase* create_for_unmarshal() { return new OBV_VC::Shape(); }
};

class CircleFactory : public virtual CORBA::ValueFactoryBase {
 public:
  CORBA::ValueBase* create_for_unmarshal() { return new OBV_VC::Circle(); }
};

class EdgeFactory : public virtual CORBA::ValueFactoryBase {
 public:
  CORBA::ValueBase* create_for_unmarshal() { return new OBV_VC::Edge(); }
};

// A value type that supports an interface has no reference count of its
// own in C++.
class TagImpl : public virtual OBV_VC::Tag, public virtual CORBA::DefaultValueRefCountBase {};

class TagFactory : public virtual CORBA::ValueFactoryBase {
 public:
  CORBA::ValueBase* create_for_unmarshal() { return new TagImpl(); }
};

VC::Pack makePack() {
  OBV_VC::Node* a = new OBV_VC::Node();
  OBV_VC::Node* b = new OBV_VC::Node();
  a->id(1);
  a->label("a");
  b->id(2);
  b->label("b");
  a->next(b);  // the accessors take their own reference
  b->next(a);
  OBV_VC::Circle* c = new OBV_VC::Circle();
  c->name("disc");
  c->radius(2.5);
  c->center(a);
  VC::Pack p;
  CORBA::add_ref(a);
  p.a = a;
  CORBA::add_ref(b);
  p.b = b;
  p.s = c;
  // A circle whose center is its own: a value nested in a chunked one.
  OBV_VC::Circle* ring = new OBV_VC::Circle();
  ring->name("ring");
  OBV_VC::Node* center = new OBV_VC::Node();
  center->id(7);
  center->label("own");
  ring->center(center);
  CORBA::remove_ref(center);
  p.ring = ring;
  // State after a nested value: the enclosing value goes on in a new chunk.
  OBV_VC::Edge* edge = new OBV_VC::Edge();
  edge->name("edge");
  OBV_VC::Node* from = new OBV_VC::Node();
  from->id(8);
  from->label("from");
  edge->from(from);
  CORBA::remove_ref(from);
  edge->weight(42);
  p.edge = edge;
  p.none = 0;
  TagImpl* tag = new TagImpl();
  tag->text("tagged");
  p.item = tag;
  p.words = new VC::Text("hello");
  p.nowords = 0;
  p.tail = 0x5EED;
  return p;
}

void writeFile(const char* path, cdrMemoryStream& s) {
  std::ofstream f(path, std::ios::binary);
  f.write(static_cast<const char*>(s.bufPtr()), s.bufSize());
}

std::vector<char> readFile(const char* path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void checkPack(const VC::Pack& p, bool circleKnown, const std::string& how) {
  VC::Node* a = p.a.in();
  VC::Node* b = p.b.in();
  check(a && b && a->id() == 1 && std::strcmp(a->label(), "a") == 0 && b->id() == 2, how + ": state");
  check(a && b && a->next() == b && b->next() == a, how + ": the cycle and the shared node are one graph");
  VC::Shape* s = p.s.in();
  check(s && std::strcmp(s->name(), "disc") == 0, how + ": the shape");
  VC::Circle* c = VC::Circle::_downcast(s);
  if (circleKnown)
    check(c && c->radius() == 2.5 && c->center() == a, how + ": the circle, its center shared with a");
  else
    check(c == 0, how + ": the circle truncated to its base");
  VC::Thing* thing = p.item.in();
  CORBA::ValueBase* v = thing ? thing->_to_value() : 0;
  VC::Tag* tag = VC::Tag::_downcast(v);
  check(tag && std::strcmp(tag->text(), "tagged") == 0, how + ": a value in an abstract interface");
  check(p.words.in() && std::strcmp(p.words->_value(), "hello") == 0 && p.nowords.in() == 0, how + ": boxed strings");
  VC::Shape* ring = p.ring.in();
  VC::Circle* r = VC::Circle::_downcast(ring);
  check(ring && std::strcmp(ring->name(), "ring") == 0, how + ": the second shape");
  if (circleKnown)
    check(r && r->center() && r->center()->id() == 7 && std::strcmp(r->center()->label(), "own") == 0,
          how + ": a circle with a node of its own inside");
  else
    check(r == 0, how + ": the second circle truncated to its base");
  VC::Edge* e = VC::Edge::_downcast(p.edge.in());
  check(p.edge.in() && std::strcmp(p.edge->name(), "edge") == 0, how + ": the third shape");
  if (circleKnown)
    check(e && e->from() && e->from()->id() == 8 && e->weight() == 42, how + ": state after a nested value");
  else
    check(e == 0, how + ": the edge truncated to its base");
  check(p.none.in() == 0 && p.tail == 0x5EED, how + ": null and what follows");
}

}  // namespace

int main(int argc, char** argv) {
  CORBA::ORB_var orb = CORBA::ORB_init(argc, argv);
  if (argc < 4) {
    std::cerr << "usage: valuecdr write|read BARE ANY [known|unknown]" << std::endl;
    return 2;
  }
  std::string mode = argv[1];
  bool known = argc > 4 && std::string(argv[4]) == "known";
  CORBA::ValueFactoryBase_var nf = new NodeFactory(), sf = new ShapeFactory(), cf = new CircleFactory(),
                              tf = new TagFactory(), ef = new EdgeFactory();
  orb->register_value_factory("IDL:VC/Tag:1.0", tf);
  orb->register_value_factory("IDL:VC/Node:1.0", nf);
  orb->register_value_factory("IDL:VC/Shape:1.0", sf);
  if (mode == "write" || known) orb->register_value_factory("IDL:VC/Circle:1.0", cf);
  if (mode == "write" || known) orb->register_value_factory("IDL:VC/Edge:1.0", ef);
  try {
    if (mode == "write") {
      VC::Pack p = makePack();
      cdrMemoryStream bare;
      p >>= bare;
      writeFile(argv[2], bare);
      CORBA::Any any;
      any <<= p;
      cdrMemoryStream withAny;
      any >>= withAny;
      writeFile(argv[3], withAny);
      // omniORB reads back its own octets: the test's own check.
      cdrMemoryStream again(bare.bufPtr(), bare.bufSize());
      VC::Pack q;
      q <<= again;
      checkPack(q, true, "omniORB's own octets");
    } else {
      std::vector<char> bareOctets = readFile(argv[2]);
      cdrMemoryStream bare(bareOctets.data(), bareOctets.size());
      bare.setByteSwapFlag(false);
      VC::Pack p;
      p <<= bare;
      checkPack(p, known, "Java's bare Pack");
      std::vector<char> anyOctets = readFile(argv[3]);
      cdrMemoryStream withAny(anyOctets.data(), anyOctets.size());
      withAny.setByteSwapFlag(false);
      CORBA::Any any;
      any <<= withAny;
      const VC::Pack* q;
      check((any >>= q) != 0, "Java's any holds a Pack");
      if (q) checkPack(*q, known, "Java's Pack in an any");
    }
  } catch (CORBA::SystemException& e) {
    std::cout << "FAILED: " << e._name() << " minor " << e.minor() << std::endl;
    return 1;
  }
  orb->destroy();
  std::cout << (failures ? "FAILED" : "ok") << std::endl;
  return failures ? 1 : 0;
}

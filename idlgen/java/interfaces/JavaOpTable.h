// The operation numbering of one interface: one walk over the interface's
// export table (own and inherited entries, in table order) gives every
// operation one number and every attribute one for its get accessor and,
// unless read-only, the next for its set accessor.  The stub's descriptor
// table, the stub methods and the skeleton's dispatch all read this one
// list, so an operation has the same number in all three.  It is built once
// per interface and kept on the interface's node.
#ifndef QUORVEX_IDLGEN_JAVAOPTABLE_H
#define QUORVEX_IDLGEN_JAVAOPTABLE_H

#include <vector>

class Declarator;
class InterfaceTypeSpec;
class JavaOperation;
class OpDeclarator;
class SimpleDeclarator;

class JavaOpTable {
public:
    enum Kind {
        Operation,  // one number
        Getter,     // an attribute's get accessor
        Setter,     // the set accessor, numbered right after the getter
        Fault       // an export that cannot be an operation: no number
    };

    struct Entry {
        Kind kind;
        const Declarator* declarator;
        int index;          // -1 for a fault
        const char* fault;  // the message of a fault
        // What the stub, the descriptors and the skeleton print for the
        // number; null for a fault.
        const JavaOperation* operation;
    };

    // The table of `iface`, built at the first call.
    static const JavaOpTable& of(const InterfaceTypeSpec& iface);

    const std::vector<Entry>& entries() const { return list; }
    // The length of the descriptor array: one per operation and read-only
    // simple declarator, two per other simple declarator, whether or not it
    // is an attribute (so a simple typedef leaves two slots empty).
    int slotCount() const { return slots; }
    // The number of operations and accessors.
    int operationCount() const { return numbered; }

private:
    explicit JavaOpTable(const InterfaceTypeSpec& iface);

    std::vector<Entry> list;
    int slots = 0;
    int numbered = 0;
};

#endif

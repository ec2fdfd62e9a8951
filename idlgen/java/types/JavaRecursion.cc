#include "idlgen/java/types/JavaRecursion.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaStructType.h"
#include "idlgen/java/types/JavaUnionCases.h"
#include "idlgen/java/types/JavaUnionType.h"

namespace {

// A struct or union is known by its TypeSpec node, which every view
// of the type (its declaration, a scoped name, a forward declaration)
// shares.
using Key = const TypeSpec*;

struct Node {
    int index = -1;
    int low = 0;
    bool onStack = false;
    bool cyclic = false;
    std::vector<const JavaAST*> next;  // the structs and unions its members name
};

std::unordered_map<Key, Node> nodes;
int counter = 0;

bool isAggregate(const JavaAST& t) { return JavaStructType::isA(t) || JavaUnionType::isA(t); }

// The structs and unions a member type names, through sequences, arrays,
// typedefs and forward declarations, but not into their members.
void collect(const JavaAST& type, std::vector<const JavaAST*>& out) {
    const JavaAST* t = &type;
    for (int guard = 0; guard < 1 << 20; ++guard) {
        if (JavaSequenceType::isA(*t)) {
            t = &JavaSequenceType::narrow(*t).getElementType();
        } else if (JavaArrayType::isA(*t)) {
            t = &JavaArrayType::narrow(*t).getElementType();
        } else if (isAggregate(*t)) {
            out.push_back(t);
            return;
        } else {
            // Forward declarations, imports and typedef names stand for
            // the type they name; any other type names no aggregate.
            const JavaAST& under = t->underType();
            if (&under == t) return;
            t = &under;
        }
    }
}

// The structs and unions the members of a struct or the branches of a
// union name; an array declarator adds nothing its element type does not.
std::vector<const JavaAST*> successors(const JavaAST& t) {
    std::vector<const JavaAST*> out;
    const DeclList& decls = JavaStructType::isA(t)
                                ? StructTypeSpec::narrow(t.getTypeSpec()).get_members()
                                : JavaUnionCases::elements(UnionTypeSpec::narrow(t.getTypeSpec()));
    for (DLListIter<Decl> it(decls); it; it.next()) {
        if (it.entry().is_error()) continue;
        collect(JavaAST::project(it.entry().get_typespec()), out);
    }
    return out;
}

// Tarjan's strongly connected components, without recursion (a chain of
// structs each holding the one before may be very long).
void visit(const JavaAST& root) {
    struct Frame {
        const JavaAST* type;
        size_t next;
    };
    std::vector<Frame> frames;
    std::vector<Key> stack;
    auto enter = [&](const JavaAST& t) {
        Node& n = nodes[&t.getTypeSpec()];
        n.index = n.low = counter++;
        n.onStack = true;
        n.next = successors(t);
        stack.push_back(&t.getTypeSpec());
        frames.push_back({&t, 0});
    };
    enter(root);
    while (!frames.empty()) {
        Frame& f = frames.back();
        Key key = &f.type->getTypeSpec();
        Node& n = nodes[key];
        if (f.next < n.next.size()) {
            const JavaAST& succ = *n.next[f.next++];
            Key sk = &succ.getTypeSpec();
            if (sk == key) n.cyclic = true;
            auto found = nodes.find(sk);
            if (found == nodes.end() || found->second.index < 0) {
                enter(succ);
            } else if (found->second.onStack) {
                n.low = std::min(n.low, found->second.index);
            }
            continue;
        }
        if (n.low == n.index) {
            // The component of this node is on the stack above it.
            std::vector<Key> component;
            Key k;
            do {
                k = stack.back();
                stack.pop_back();
                nodes[k].onStack = false;
                component.push_back(k);
            } while (k != key);
            if (component.size() > 1)
                for (Key c : component) nodes[c].cyclic = true;
        }
        n.next.clear();
        n.next.shrink_to_fit();
        int low = n.low;
        frames.pop_back();
        if (!frames.empty()) {
            Node& parent = nodes[&frames.back().type->getTypeSpec()];
            parent.low = std::min(parent.low, low);
        }
    }
}

}  // namespace

bool JavaRecursion::onCycle(const JavaAST& type) {
    if (!isAggregate(type)) return false;
    auto found = nodes.find(&type.getTypeSpec());
    if (found == nodes.end() || found->second.index < 0) visit(type);
    return nodes[&type.getTypeSpec()].cyclic;
}

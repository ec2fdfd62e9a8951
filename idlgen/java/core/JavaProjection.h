// Projections are views of tree nodes that keep no state of their own (what
// they compute is kept on the node), so each node has one of each kind,
// made on first use and kept for the run.
#ifndef QUORVEX_IDLGEN_JAVAPROJECTION_H
#define QUORVEX_IDLGEN_JAVAPROJECTION_H

#include <unordered_map>

// The projection of `node` that `make` creates, made once.  Each projection
// class calls this from its one `project` function, so each has its own
// table.
template <class Projection, class Node, class Make>
Projection& projectionOf(const Node& node, Make make) {
    static std::unordered_map<const Node*, Projection*> made;
    Projection*& slot = made[&node];
    if (!slot) slot = make();
    return *slot;
}

#endif

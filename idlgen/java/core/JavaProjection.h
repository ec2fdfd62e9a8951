// Projections are views of tree nodes that keep no state of their own (what
// they compute is kept on the node), so each node has one of each kind,
// made on first use and kept for the run.
#ifndef QUORVEX_IDLGEN_JAVAPROJECTION_H
#define QUORVEX_IDLGEN_JAVAPROJECTION_H

#include "lib/AddressMap.h"

// The projection of `node` that `make` creates, made once.  Each projection
// class calls this from its one `project` function, so each has its own
// table.
template <class Projection, class Node, class Make>
Projection& projectionOf(const Node& node, Make make) {
    // Never destroyed: the projections live until the process ends.
    static AddressMap<Projection*>& made = *new AddressMap<Projection*>;
    if (Projection** found = made.find(&node)) return **found;
    Projection* p = make();
    made.emplace(&node, p);
    return *p;
}

#endif

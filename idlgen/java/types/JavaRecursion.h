// Which structs and unions are recursive: a struct or union whose type code,
// built from its members, comes back to itself (through a sequence of
// itself, or of another struct or union that holds it).  The Helper of such
// a type guards its type() against entering itself and answers the inner
// call with a recursive placeholder; every other Helper stays as it is.
#ifndef QUORVEX_IDLGEN_JAVARECURSION_H
#define QUORVEX_IDLGEN_JAVARECURSION_H

class JavaAST;

namespace JavaRecursion {

// Whether the struct or union `type` lies on a cycle of member types.  The
// answer for every type is found once, in time linear in the types and
// members reachable from it.
bool onCycle(const JavaAST& type);

}  // namespace JavaRecursion

#endif

// Weak resolution: finds the declarator that an environment-file name
// denotes among a file's declarations.  No scoping rules apply: a name is
// looked up in the given declarations, and each further component inside
// the module or interface the previous one named.
//
// Each declaration list searched is indexed once per resolver, so resolving
// many names against one file costs time in proportion to the names and
// declarations, not their product.
#ifndef QUORVEX_AST_ENVWEAKRESOLVER_H
#define QUORVEX_AST_ENVWEAKRESOLVER_H

#include <unordered_map>

#include "lib/AddressMap.h"
#include "lib/String.h"

class Decl;
class DeclList;
class Declarator;
class Id;
class ScopedName;
class ScopedNameComponent;

class EnvWeakResolver {
public:
    explicit EnvWeakResolver(DeclList& decls) : decls(decls) {}

    // The declarator named by the component chain ending in `last`, or null.
    Declarator* resolve(const ScopedNameComponent& last);
    Declarator* resolve(const ScopedName& name);

private:
    using Index = AddressMap<Declarator*>;
    // The first declarator of `list` with the given name: a declaration's
    // own named type (unless only declared forward) before its declarators,
    // and earlier declarations before later ones.
    Declarator* find(DeclList& list, const Id& id);
    static Declarator* search(DeclList& list, const Id& id);
    static void build(DeclList& list, Index& index);

    // Lists this short are searched rather than indexed.
    enum { search_limit = 16 };

    DeclList& decls;
    std::unordered_map<const DeclList*, Index> indexes;
};

#endif

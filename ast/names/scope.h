// Scopes of name resolution.  A scope holds the declarators declared in it,
// in declaration order, and is linked to its enclosing scope.  Scopes live
// only for the resolution walk.
#ifndef QUORVEX_AST_SCOPE_H
#define QUORVEX_AST_SCOPE_H

#include <vector>

#include "lib/srcloc.h"
#include "lib/AddressMap.h"
#include "lib/String.h"

class DeclList;
class Declarator;
class Id;
class ModuleTypeSpec;
class ScopedName;
class ScopedNameComponent;

class Scope {
public:
    // The deepest nesting of scopes accepted; deeper input is refused with a
    // fatal error rather than risking the machine stack.
    enum { max_depth = 1000 };

    explicit Scope(const char* name);
    // A nested scope; `loc` is where the construct opening it stands.
    Scope(Scope& enclosing, const char* name, const SrcLoc& loc = SrcLoc());
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    void declare(Declarator& d);
    // For each Decl: the type's own declarator when the type defines a
    // name, then each of its declarators.
    void declare(DeclList& decls);

    // The first entry named id, searching this scope then outward; past the
    // outermost scope, the ORB modules (-fcorba3).
    Declarator* resolve(const Id& id) const;
    // The first entry named id in this scope alone (earlier bodies of a
    // reopened module included), or null.
    Declarator* lookup_local(const Id& id) const { return lookup_here(id); }
    // Makes this the scope of a reopened module's later body: lookups and
    // clash checks also see the module's earlier bodies.
    void set_reopened(const ModuleTypeSpec& body) { reopened = &body; }
    // Makes this the scope of a body of an ORB module (-fcorba3): a name
    // the scope does not hold is looked up in the ORB's own module.
    void set_orb_part(const ModuleTypeSpec& orb) { orb_part = &orb; }
    Declarator* resolve(ScopedName& name);
    Declarator* resolve(ScopedNameComponent& c, const SrcLoc& loc);

    Declarator& operator[](int i) const;
    int get_count() const { return static_cast<int>(st->entries.size()); }
    const char* get_name() const { return name; }
    bool has_enclosing_scope() const { return enclosing != nullptr; }
    Scope& get_enclosing_scope() const;
    Scope& get_outermost_scope();

private:
    // The first entry of this scope alone named id, or null.
    Declarator* lookup_here(const Id& id) const;
    // The position of the first entry with the given name key, or -1.
    int first_of(const void* key) const;

    // The entries of one name form a chain in declaration order: `next_same`
    // gives the position of the following entry of the same name (-1 at
    // the end).  Small scopes (most of them: parameters, members) search
    // their keys in order; a scope that grows past `scan_limit` indexes the
    // first and last position of each name.
    struct Chain {
        int first, last;
    };
    enum { scan_limit = 12 };
    struct Storage {
        std::vector<Declarator*> entries;
        std::vector<const void*> keys;
        std::vector<int> next_same;
        AddressMap<Chain> index;
    };
    // Scopes come and go in nested order, so their storage is taken from
    // and returned to a pool, and keeps its capacity between uses.
    static std::vector<Storage*>& storage_pool();
    static Storage* take_storage();
    static void return_storage(Storage* s);

    Scope* enclosing;
    const ModuleTypeSpec* reopened = nullptr;
    const ModuleTypeSpec* orb_part = nullptr;
    const char* name;
    int depth;
    Storage* st;

public:
    ~Scope();
};

#endif

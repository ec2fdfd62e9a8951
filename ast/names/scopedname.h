// Names as used in the source: a chain of identifiers separated by "::",
// possibly global (written with a leading "::"), bound to a declarator by
// name resolution.
#ifndef QUORVEX_AST_SCOPEDNAME_H
#define QUORVEX_AST_SCOPEDNAME_H

#include <iosfwd>
#include <vector>

#include "lib/srcloc.h"
#include "ast/names/id.h"
#include "ast/tree/astitem.h"
#include "ast/tree/printable.h"
#include "lib/dllist.h"

class Declarator;
class Scope;

// Components live as long as their names, which are tree nodes.
class ScopedNameComponent : public Printable, public arena::Object {
public:
    ScopedNameComponent(Id& id, ScopedNameComponent* prev) : id(&id), prev(prev) {}

    Id& get_id() const { return *id; }
    const SrcLoc& get_loc() const { return id->get_loc(); }
    ScopedNameComponent* get_prev() const { return prev; }
    // What this component resolved to (null when unresolved or failed).
    Declarator* get_declarator() const { return declarator; }
    void set_declarator(Declarator* d) { declarator = d; }

    // Prints the components up to and including this one, joined by "::".
    void print(std::ostream& out) const override;

    // Equal when the identifiers are equal and the preceding chains are
    // equal component by component, ending together.
    bool operator==(const ScopedNameComponent& other) const;

private:
    Id* id;
    ScopedNameComponent* prev;
    Declarator* declarator = nullptr;
};

class ScopedName : public ASTItem {
public:
    ScopedName(int global, Id& first);
    ScopedName(const ScopedName&) = delete;
    ScopedName& operator=(const ScopedName&) = delete;
    // The components belong to the name (the identifiers do not).
    ~ScopedName() override;

    void append(Id& id);

    int is_global() const { return global; }
    const SrcLoc& get_loc() const { return components[0]->get_loc(); }
    int length() const { return count; }
    ScopedNameComponent& component(int i) const { return *components[i]; }
    ScopedNameComponent& get_last() const { return *components[count - 1]; }

    // Binds the name in `scope`.  1 when it resolved; otherwise 0, and the
    // name is bound to the shared bad declarator.
    int resolve(Scope& scope);
    bool is_resolved() const { return declarator != nullptr; }
    Declarator* get_declarator() const;
    // The declarator, with typedef chains, forward declarations and imports
    // followed.
    Declarator* get_unwrapped_declarator() const;
    void set_declarator(Declarator* d) { declarator = d; }

    // Equality of the component chains; the global flag is not compared.
    bool operator==(const ScopedName& other) const;
    bool operator!=(const ScopedName& other) const { return !(*this == other); }

    void print(std::ostream& out) const override;

private:
    int global;
    // The components in order, in an array from the arena that doubles as
    // the name grows (almost every name has one or two components).
    int count = 0;
    int capacity = 0;
    ScopedNameComponent** components = nullptr;
    Declarator* declarator = nullptr;
};

class ScopedNameList : public DLList<ScopedName>, public Printable {
public:
    ScopedNameList() = default;
    explicit ScopedNameList(ScopedName& first) : DLList<ScopedName>(first) {}

    void resolve_names(Scope& scope);
    void print(std::ostream& out) const override;

    // The shared empty list (no inheritance, no raises clause).
    static ScopedNameList null;
};

#endif

#include "ast/env/envweakresolver.h"

#include <vector>

#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

Declarator* EnvWeakResolver::resolve(const ScopedName& name) { return resolve(name.get_last()); }

Declarator* EnvWeakResolver::resolve(const ScopedNameComponent& last) {
    // The chain runs from the last component back to the first; walk it
    // forward without recursion, however long the name.
    std::vector<const ScopedNameComponent*> chain;
    for (const ScopedNameComponent* c = &last; c; c = c->get_prev()) chain.push_back(c);

    DeclList* list = &decls;
    Declarator* found = nullptr;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (found) {
            // Only a module or an interface has names inside it.
            if (!TypeSpecDeclarator::is(*found) || !found->has_typespec()) return nullptr;
            TypeSpec& ts = found->get_typespec();
            if (InterfaceTypeSpec::is(ts))
                list = &InterfaceTypeSpec::narrow(ts).get_exports();
            else if (ModuleTypeSpec::is(ts))
                list = &ModuleTypeSpec::narrow(ts).get_decls();
            else
                return nullptr;
        }
        found = find(*list, (*it)->get_id());
        if (!found) return nullptr;
    }
    return found;
}

Declarator* EnvWeakResolver::find(DeclList& list, const Id& id) {
    if (list.length() <= search_limit) return search(list, id);
    auto slot = indexes.find(&list);
    if (slot == indexes.end()) {
        slot = indexes.emplace(&list, Index()).first;
        build(list, slot->second);
    }
    Declarator* const* found = slot->second.find(id.key_ptr());
    return found ? *found : nullptr;
}

// A named type that is only declared forward names nothing here: the
// definition does.
static Declarator* own_name(const Decl& decl) {
    if (decl.is_error()) return nullptr;
    TypeSpec& ts = decl.get_typespec();
    return ts.defines_name() && !ForwardTypeSpec::is(ts) ? &ts.get_declarator() : nullptr;
}

Declarator* EnvWeakResolver::search(DeclList& list, const Id& id) {
    for (DLListIter<Decl> d(list); d; d.next()) {
        Decl& decl = d.entry();
        if (decl.is_error()) continue;
        Declarator* named = own_name(decl);
        if (named && named->get_name() == id) return named;
        for (DLListIter<Declarator> n(decl.get_declarators()); n; n.next())
            if (n.entry().get_name() == id) return n.ptr();
    }
    return nullptr;
}

void EnvWeakResolver::build(DeclList& list, Index& index) {
    // emplace keeps the first declarator of each name.
    for (DLListIter<Decl> d(list); d; d.next()) {
        Decl& decl = d.entry();
        if (decl.is_error()) continue;
        if (Declarator* named = own_name(decl)) index.emplace(named->get_name().key_ptr(), named);
        for (DLListIter<Declarator> n(decl.get_declarators()); n; n.next())
            index.emplace(n.entry().get_name().key_ptr(), n.ptr());
    }
}

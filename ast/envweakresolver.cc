#include "envweakresolver.h"

#include <vector>

#include "decl.h"
#include "declarator.h"
#include "scopedname.h"
#include "typespec.h"

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
        found = find(*list, (*it)->get_id().key());
        if (!found) return nullptr;
    }
    return found;
}

Declarator* EnvWeakResolver::find(DeclList& list, const String& key) {
    auto slot = indexes.find(&list);
    if (slot == indexes.end()) {
        slot = indexes.emplace(&list, Index()).first;
        build(list, slot->second);
    }
    auto it = slot->second.find(key);
    return it == slot->second.end() ? nullptr : it->second;
}

void EnvWeakResolver::build(DeclList& list, Index& index) {
    // emplace keeps the first declarator of each name.
    for (DLListIter<Decl> d(list); d; d.next()) {
        Decl& decl = d.entry();
        if (decl.is_error()) continue;
        TypeSpec& ts = decl.get_typespec();
        if (ts.defines_name() && !ForwardTypeSpec::is(ts))
            index.emplace(ts.get_declarator().get_name().key(), &ts.get_declarator());
        for (DLListIter<Declarator> n(decl.get_declarators()); n; n.next())
            index.emplace(n.entry().get_name().key(), n.ptr());
    }
}

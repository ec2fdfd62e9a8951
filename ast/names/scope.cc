#include "ast/names/scope.h"

#include "ast/input/msg.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/typespec.h"

Scope::Scope(const char* name) : enclosing(nullptr), name(name), depth(0) {}

Scope::Scope(Scope& enclosing, const char* name, const SrcLoc& loc)
    : enclosing(&enclosing), name(name), depth(enclosing.depth + 1) {
    if (depth > max_depth) msg::fatal(loc, "declarations nested too deeply (limit %d)", int(max_depth));
}

Declarator* Scope::lookup_here(const Id& id) const {
    const Chain* chain = index.find(id.key_ptr());
    return chain ? entries[static_cast<size_t>(chain->first)] : nullptr;
}

void Scope::declare(Declarator& d) {
    Chain* found = index.find(d.get_name().key_ptr());
    Declarator* refused = nullptr;
    for (int pos = found ? found->first : -1; pos >= 0;
         pos = next_same[static_cast<size_t>(pos)]) {
        Declarator& entry = *entries[static_cast<size_t>(pos)];
        bool ok = d.overload_ok(entry) && entry.overload_ok(d);
        if (!ok && !refused) refused = &entry;
    }
    if (refused) {
        msg::error(d.get_loc(), "name already declared: %s", d.get_name().abbrev_text().chars());
        msg::inform(refused->get_loc(), "... here is previous definition");
        return;
    }
    int pos = static_cast<int>(entries.size());
    if (!found) {
        index.emplace(d.get_name().key_ptr(), Chain{pos, pos});
    } else {
        next_same[static_cast<size_t>(found->last)] = pos;
        found->last = pos;
    }
    entries.push_back(&d);
    next_same.push_back(-1);
}

void Scope::declare(DeclList& decls) {
    for (DLListIter<Decl> it(decls); it; it.next()) {
        Decl& decl = it.entry();
        if (decl.get_typespec().defines_name()) declare(decl.get_typespec().get_declarator());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) declare(d.entry());
    }
}

Declarator* Scope::resolve(const Id& id) const {
    for (const Scope* s = this; s; s = s->enclosing)
        if (Declarator* d = s->lookup_here(id)) return d;
    return nullptr;
}

Declarator* Scope::resolve(ScopedName& name) {
    Scope& start = name.is_global() ? get_outermost_scope() : *this;
    return start.resolve(name.get_last(), name.get_loc());
}

// Resolves the chain ending in `last` from its first component forwards,
// so that long names cost no stack.  Each component keeps its own result.
Declarator* Scope::resolve(ScopedNameComponent& last, const SrcLoc& loc) {
    std::vector<ScopedNameComponent*> chain;
    for (ScopedNameComponent* c = &last; c; c = c->get_prev()) chain.push_back(c);
    Declarator* prefix = nullptr;
    for (size_t i = chain.size(); i-- > 0;) {
        ScopedNameComponent& c = *chain[i];
        Declarator* found = nullptr;
        if (!c.get_prev()) {
            found = resolve(c.get_id());
            if (!found) msg::error(loc, "name `%s' not declared", c.get_id().as_charP());
        } else if (prefix->is_type() && prefix->has_typespec() &&
                   prefix->get_typespec().is_named_scope()) {
            found = prefix->get_typespec().resolve(c.get_id());
            if (!found)
                msg::error(loc, "name `%s' not declared within `%s'", c.get_id().as_charP(),
                           c.get_prev()->full_text().chars());
        } else {
            msg::error(loc, "name `%s' does not name a valid scope", c.get_prev()->full_text().chars());
        }
        c.set_declarator(found);
        if (!found) {
            // The rest of the chain fails without further messages.
            for (size_t j = i; j-- > 0;) chain[j]->set_declarator(nullptr);
            return nullptr;
        }
        prefix = found;
    }
    return prefix;
}

Declarator& Scope::operator[](int i) const {
    if (i < 0 || i >= get_count()) msg::panic("Scope::operator[]");
    return *entries[static_cast<size_t>(i)];
}

Scope& Scope::get_enclosing_scope() const {
    if (!enclosing) msg::panic("Scope::get_enclosing_scope");
    return *enclosing;
}

Scope& Scope::get_outermost_scope() {
    Scope* s = this;
    while (s->enclosing) s = s->enclosing;
    return *s;
}

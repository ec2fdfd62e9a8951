#include "ast/names/scope.h"

#include "lib/msg.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "ast/pragma/orbmodules.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// The pool is never destroyed: scopes may be made until the process ends.
std::vector<Scope::Storage*>& Scope::storage_pool() {
    static std::vector<Storage*>& pool = *new std::vector<Storage*>;
    return pool;
}

Scope::Storage* Scope::take_storage() {
    std::vector<Storage*>& pool = storage_pool();
    if (pool.empty()) return new Storage;
    Storage* s = pool.back();
    pool.pop_back();
    return s;
}

void Scope::return_storage(Storage* s) {
    s->entries.clear();
    s->keys.clear();
    s->next_same.clear();
    s->index.clear();
    storage_pool().push_back(s);
}

Scope::Scope(const char* name) : enclosing(nullptr), name(name), depth(0), st(take_storage()) {}

Scope::Scope(Scope& enclosing, const char* name, const SrcLoc& loc)
    : enclosing(&enclosing), name(name), depth(enclosing.depth + 1), st(take_storage()) {
    if (depth > max_depth) msg::fatal(loc, "declarations nested too deeply (limit %d)", int(max_depth));
}

Scope::~Scope() { return_storage(st); }

int Scope::first_of(const void* key) const {
    if (st->entries.size() <= scan_limit) {
        for (size_t i = 0; i < st->keys.size(); ++i)
            if (st->keys[i] == key) return static_cast<int>(i);
        return -1;
    }
    const Chain* chain = st->index.find(key);
    return chain ? chain->first : -1;
}

Declarator* Scope::lookup_here(const Id& id) const {
    int pos = first_of(id.key_ptr());
    if (pos >= 0) return st->entries[static_cast<size_t>(pos)];
    Declarator* earlier = reopened ? reopened->resolve_earlier(id) : nullptr;
    if (!earlier && orb_part) return orb_part->resolve(id);
    return earlier;
}

void Scope::declare(Declarator& d) {
    const void* key = d.get_name().key_ptr();
    int first = first_of(key);
    Declarator* refused = nullptr;
    int last = -1;
    for (int pos = first; pos >= 0; pos = st->next_same[static_cast<size_t>(pos)]) {
        Declarator& entry = *st->entries[static_cast<size_t>(pos)];
        bool ok = d.overload_ok(entry) && entry.overload_ok(d);
        if (!ok && !refused) refused = &entry;
        last = pos;
    }
    if (first < 0 && reopened) {
        // Declared in an earlier body of the same module.
        if (Declarator* entry = reopened->resolve_earlier(d.get_name()))
            if (!(d.overload_ok(*entry) && entry->overload_ok(d))) refused = entry;
    }
    if (refused) {
        msg::error(d.get_loc(), "name already declared: %s", d.get_name().abbrev_text().chars());
        msg::inform(refused->get_loc(), "... here is previous definition");
        return;
    }
    int pos = static_cast<int>(st->entries.size());
    if (last >= 0) st->next_same[static_cast<size_t>(last)] = pos;
    st->entries.push_back(&d);
    st->keys.push_back(key);
    st->next_same.push_back(-1);
    if (st->entries.size() == scan_limit + 1) {
        // Grown past the scan: index every name, in order.
        for (size_t i = 0; i < st->keys.size(); ++i) {
            Chain& chain = st->index.emplace(st->keys[i], Chain{static_cast<int>(i), static_cast<int>(i)});
            chain.last = static_cast<int>(i);
        }
    } else if (st->entries.size() > scan_limit) {
        Chain& chain = st->index.emplace(key, Chain{pos, pos});
        chain.last = pos;
    }
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
    return orb_modules::lookup(id);
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
            const TypeSpec& ts = prefix->get_typespec();
            found = ts.resolve(c.get_id());
            if (!found) {
                msg::error(loc, "name `%s' not declared within `%s'", c.get_id().as_charP(),
                           c.get_prev()->full_text().chars());
                // An interface known only by its forward declaration (-fcorba3)
                // has no scope yet: the declaration is named.
                if (ForwardTypeSpec::is(ts) && ForwardTypeSpec::narrow(ts).is_undefined_interface())
                    msg::inform(ts.get_loc(), "... here is the forward declaration");
            }
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
    return *st->entries[static_cast<size_t>(i)];
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

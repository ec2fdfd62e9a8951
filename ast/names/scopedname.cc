#include "ast/names/scopedname.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/tree/declarator.h"

ScopedNameList ScopedNameList::null;

void ScopedNameComponent::print(std::ostream& out) const {
    // Walk back to the first component, then print forwards.
    std::vector<const ScopedNameComponent*> chain;
    for (const ScopedNameComponent* c = this; c; c = c->prev) chain.push_back(c);
    for (size_t i = chain.size(); i-- > 0;) {
        out << chain[i]->get_id();
        if (i) out << "::";
    }
}

bool ScopedNameComponent::operator==(const ScopedNameComponent& other) const {
    const ScopedNameComponent* a = this;
    const ScopedNameComponent* b = &other;
    for (; a && b; a = a->prev, b = b->prev)
        if (*a->id != *b->id) return false;
    return a == nullptr && b == nullptr;
}

ScopedName::ScopedName(int global, Id& first) : global(global) {
    append(first);
}

ScopedName::~ScopedName() {
    for (int i = 0; i < count; ++i) delete components[i];
    arena::release(components);
}

void ScopedName::append(Id& id) {
    if (count == capacity) {
        int grown = capacity ? 2 * capacity : 1;
        auto** moved = static_cast<ScopedNameComponent**>(arena::allocate(sizeof(ScopedNameComponent*) * grown));
        for (int i = 0; i < count; ++i) moved[i] = components[i];
        arena::release(components);
        components = moved;
        capacity = grown;
    }
    components[count] = new ScopedNameComponent(id, count ? components[count - 1] : nullptr);
    ++count;
}

int ScopedName::resolve(Scope& scope) {
    Declarator* d = scope.resolve(*this);
    if (d) {
        declarator = d;
        return 1;
    }
    declarator = &Declarator::bad;
    return 0;
}

Declarator* ScopedName::get_declarator() const {
    if (!declarator) msg::panic(get_loc(), "ScopedName::get_declarator: declarator unset for %s", abbrev_text().chars());
    return declarator;
}

Declarator* ScopedName::get_unwrapped_declarator() const { return get_declarator()->unwrap(); }

bool ScopedName::operator==(const ScopedName& other) const { return get_last() == other.get_last(); }

void ScopedName::print(std::ostream& out) const {
    if (global) out << "::";
    for (int i = 0; i < count; ++i) {
        if (i) out << "::";
        out << components[i]->get_id();
    }
}

void ScopedNameList::resolve_names(Scope& scope) {
    for (DLListIter<ScopedName> it(*this); it; it.next()) it.entry().resolve(scope);
}

void ScopedNameList::print(std::ostream& out) const {
    const char* sep = "";
    for (DLListIter<ScopedName> it(*this); it; it.next()) {
        out << sep << it.entry();
        sep = ", ";
    }
}

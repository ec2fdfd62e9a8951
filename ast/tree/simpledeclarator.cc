#include <ostream>

#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// SimpleDeclarator

SimpleDeclarator::SimpleDeclarator(Id& name, Description& desc) : Declarator(name, desc) {}

// Only a typedef of a scoped name may be redeclared, and then as the named
// declarator allows; typedef chains are followed without recursion.
bool SimpleDeclarator::overload_ok(Declarator& other) {
    Declarator* d = this;
    while (SimpleDeclarator::is(*d)) {
        if (!d->is_typedefd() || !ScopedNameTypeSpec::is(d->get_typespec())) return false;
        ScopedName& name = ScopedNameTypeSpec::narrow(d->get_typespec()).get_scoped_name();
        if (!name.is_resolved()) return false;
        d = name.get_declarator();
    }
    return d->overload_ok(other);
}

Declarator* SimpleDeclarator::resolve(const Id& id) {
    return is_typedefd() ? get_typespec().resolve(id) : nullptr;
}

// Follows typedefs of scoped names to the final declarator, iteratively so
// that long typedef chains cost no stack.
Declarator* SimpleDeclarator::unwrap() {
    Declarator* d = this;
    while (SimpleDeclarator::is(*d)) {
        if (!d->has_typespec()) return d;
        TypeSpec& ts = d->get_typespec();
        if (ts.defines_name()) return ts.unwrap();
        if (!d->is_typedefd() || !ScopedNameTypeSpec::is(ts)) return d;
        d = ScopedNameTypeSpec::narrow(ts).get_scoped_name().get_declarator();
    }
    return d->unwrap();
}

void SimpleDeclarator::print(std::ostream& out) const { out << get_name(); }

SimpleDeclarator& SimpleDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("SimpleDeclarator");
    return static_cast<SimpleDeclarator&>(d);
}
const SimpleDeclarator& SimpleDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("SimpleDeclarator");
    return static_cast<const SimpleDeclarator&>(d);
}

#include <ostream>

#include "ast/names/scopedname.h"
#include "ast/tree/types.h"

// ScopedNameTypeSpec

const SrcLoc& ScopedNameTypeSpec::get_loc() const { return name->get_loc(); }

// That of the declarator named; typedefs of further scoped names are
// followed without recursion.
bool ScopedNameTypeSpec::is_data_type() const {
    if (!name->is_resolved()) return true;
    Declarator* d = name->get_declarator();
    for (;;) {
        DeclaratorTag tag = d->get_tag();
        bool plain = tag == Array_DeclaratorTag || tag == Init_DeclaratorTag || tag == Op_DeclaratorTag ||
                     tag == Simple_DeclaratorTag;
        if (!plain || !d->is_typedefd() || !ScopedNameTypeSpec::is(d->get_typespec())) break;
        ScopedName& next = ScopedNameTypeSpec::narrow(d->get_typespec()).get_scoped_name();
        if (!next.is_resolved()) return true;
        d = next.get_declarator();
    }
    return d->is_data_type();
}

bool ScopedNameTypeSpec::is_named_scope() const {
    if (!name->is_resolved()) return false;
    Declarator* d = unwrap();
    return d->has_typespec() && d->get_typespec().is_named_scope();
}

Declarator* ScopedNameTypeSpec::resolve(const Id& id) const {
    if (!name->is_resolved()) return nullptr;
    return unwrap()->resolve(id);
}

void ScopedNameTypeSpec::resolve_names(Scope& scope) { name->resolve(scope); }

Declarator* ScopedNameTypeSpec::unwrap() const { return name->get_unwrapped_declarator(); }

void ScopedNameTypeSpec::print(std::ostream& out) const { out << *name; }

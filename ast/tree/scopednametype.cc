#include <ostream>

#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "lib/msg.h"

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

// True when the final checks refuse a name that is not a type in this
// place in words of their own: the type of a constant ("invalid type for
// const declaration") and of a member of a struct, union or exception
// ("invalid declaration for member of ...").
static bool refused_by_final_check(const ScopedNameTypeSpec& ts) {
    if (!ts.has_decl()) return false;
    const Decl& decl = ts.get_decl();
    if (decl.get_flags() == Decl::CONST) return true;
    if (decl.is_typedef() || !decl.has_container()) return false;
    TypeSpecTag t = decl.get_container().get_tag();
    return t == Struct_TypeSpecTag || t == Union_TypeSpecTag || t == Exception_TypeSpecTag;
}

// A name used as a type must name one: an operation, attribute, constant,
// enumerator or module found first (a nearer declaration hides an outer
// type of the same name, as an operation `Object` hides the predefined
// Object) is an error, and the name is bound to the shared bad declarator
// like a name not found.  Where the final checks refuse it already, they
// report it.
void ScopedNameTypeSpec::resolve_names(Scope& scope) {
    if (!name->resolve(scope)) return;
    Declarator* d = name->get_declarator();
    bool module = TypeSpecDeclarator::is(*d) && ModuleTypeSpec::is(d->get_typespec());
    if (d->is_type() && !module) return;
    if (refused_by_final_check(*this)) return;
    msg::error(name->get_loc(), "name does not refer to a type: %s", name->abbrev_text().chars());
    d->here_is_defn();
    name->set_declarator(&Declarator::bad);
}

Declarator* ScopedNameTypeSpec::unwrap() const { return name->get_unwrapped_declarator(); }

void ScopedNameTypeSpec::print(std::ostream& out) const { out << *name; }

#include <ostream>

#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// TypeSpecDeclarator

TypeSpecDeclarator::TypeSpecDeclarator(Id& name, Description& desc, TypeSpec& type) : Declarator(name, desc) {
    set_typespec(type);
}

bool TypeSpecDeclarator::is_data_type() const { return get_typespec().is_data_type(); }

bool TypeSpecDeclarator::overload_ok(Declarator& other) { return get_typespec().overload_ok(other); }

Declarator* TypeSpecDeclarator::resolve(const Id& id) { return get_typespec().resolve(id); }

Declarator* TypeSpecDeclarator::unwrap() { return get_typespec().unwrap(); }

void TypeSpecDeclarator::print(std::ostream& out) const { out << get_name(); }

TypeSpecDeclarator& TypeSpecDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("TypeSpecDeclarator");
    return static_cast<TypeSpecDeclarator&>(d);
}
const TypeSpecDeclarator& TypeSpecDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("TypeSpecDeclarator");
    return static_cast<const TypeSpecDeclarator&>(d);
}

#include <ostream>

#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/tree/types.h"

// StructTypeSpec

StructTypeSpec::StructTypeSpec(Id& name, Description& desc, DeclList& members)
    : NamedTypeSpec(name, desc), members(&members) {
    members.set_container(*this);
}

bool StructTypeSpec::overload_ok(Declarator& other) const {
    return full_name_differs(other) || ForwardTypeSpec::announces(other, Struct_TypeSpecTag);
}

Declarator* StructTypeSpec::resolve(const Id& id) const {
    return dialect::corba3() ? resolve_with_enumerators(*members, id) : nullptr;
}

void StructTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    Scope inner(scope, "struct members", get_loc());
    members->resolve_names(inner);
}

void StructTypeSpec::final_check() { members->final_check(DeclaratorContext::struct_members); }

void StructTypeSpec::print(std::ostream& out) const {
    out << "struct " << get_name() << " { " << *members << " }";
}

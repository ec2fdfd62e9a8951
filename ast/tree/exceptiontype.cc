#include <ostream>

#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/tree/types.h"

// ExceptionTypeSpec

ExceptionTypeSpec::ExceptionTypeSpec(Id& name, Description& desc, DeclList& members)
    : NamedTypeSpec(name, desc), members(&members) {
    members.set_container(*this);
}

bool ExceptionTypeSpec::overload_ok(Declarator& other) const { return full_name_differs(other); }

Declarator* ExceptionTypeSpec::resolve(const Id& id) const {
    return dialect::corba3() ? resolve_with_enumerators(*members, id) : members->resolve(id);
}

void ExceptionTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    Scope inner(scope, "exception members", get_loc());
    members->resolve_names(inner);
}

void ExceptionTypeSpec::final_check() { members->final_check(DeclaratorContext::exception_members); }

void ExceptionTypeSpec::print(std::ostream& out) const {
    out << "exception " << get_name() << " { " << *members << " }";
}

#include <ostream>

#include "ast/names/scope.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"

ModuleTypeSpec::ModuleTypeSpec(Id& name, Description& desc, DefinitionList& definitions)
    : NamedTypeSpec(name, desc), definitions(&definitions), decls(definitions.getDeclList()) {
    decls->set_container(*this);
}

Declarator* ModuleTypeSpec::resolve(const Id& id) const { return decls->resolve(id); }

void ModuleTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    Scope inner(scope, "module exports", get_loc());
    decls->resolve_names(inner);
}

void ModuleTypeSpec::final_check() { decls->final_check(DeclaratorContext::any); }

void ModuleTypeSpec::print(std::ostream& out) const {
    out << "module " << get_name() << " { " << *definitions << " }";
}

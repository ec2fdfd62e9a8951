#include <ostream>

#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"

ModuleTypeSpec::ModuleTypeSpec(Id& name, Description& desc, DefinitionList& definitions)
    : NamedTypeSpec(name, desc), definitions(&definitions), decls(definitions.getDeclList()) {
    decls->set_container(*this);
}

bool ModuleTypeSpec::overload_ok(Declarator& other) const {
    return dialect::corba3() && other.is_type() && other.has_typespec() &&
           ModuleTypeSpec::is(other.get_typespec());
}

// A name in any body of the module, in source order of the bodies; with
// one body, its own declarations.
Declarator* ModuleTypeSpec::resolve(const Id& id) const {
    const std::vector<const ModuleTypeSpec*>* all = first_body->bodies;
    if (!all) return dialect::corba3() ? resolve_with_enumerators(*decls, id) : decls->resolve(id);
    for (const ModuleTypeSpec* body : *all)
        if (Declarator* d = resolve_with_enumerators(*body->decls, id)) return d;
    return nullptr;
}

Declarator* ModuleTypeSpec::resolve_earlier(const Id& id) const {
    const std::vector<const ModuleTypeSpec*>* all = first_body->bodies;
    if (!all) return nullptr;
    for (const ModuleTypeSpec* body : *all) {
        if (body == this) break;
        if (Declarator* d = resolve_with_enumerators(*body->decls, id)) return d;
    }
    return nullptr;
}

void ModuleTypeSpec::resolve_names(Scope& scope) {
    // A reopened module (only -fcorba3 lets one be declared again) joins
    // the bodies of the first; its scope then sees what they declared.
    const ModuleTypeSpec* earlier = nullptr;
    if (dialect::corba3()) {
        Declarator* found = scope.lookup_local(get_name());
        if (found && found->is_type() && found->has_typespec() && ModuleTypeSpec::is(found->get_typespec()))
            earlier = &ModuleTypeSpec::narrow(found->get_typespec());
    }
    declare_self(scope);
    if (earlier && first_body == this) {
        ModuleTypeSpec* first = const_cast<ModuleTypeSpec*>(earlier->first_body);
        if (!first->bodies) first->bodies = new std::vector<const ModuleTypeSpec*>{first};
        first->bodies->push_back(this);
        first_body = first;
    }
    Scope inner(scope, "module exports", get_loc());
    if (first_body != this) inner.set_reopened(*this);
    decls->resolve_names(inner);
}

void ModuleTypeSpec::final_check() { decls->final_check(DeclaratorContext::any); }

void ModuleTypeSpec::print(std::ostream& out) const {
    out << "module " << get_name() << " { " << *definitions << " }";
}

#include <ostream>

#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/pragma/orbmodules.h"
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
// one body, its own declarations.  The enumerators of its enums are
// declared in it too, as in a module of several bodies.
Declarator* ModuleTypeSpec::resolve(const Id& id) const {
    Declarator* found = !first_body->bodies ? resolve_with_enumerators(*decls, id)
                                            : resolve_in_bodies(id, first_body->bodies->list.size());
    // A file's own ORB module finds in the ORB's what it does not declare.
    if (!found && first_body->orb_part) return first_body->orb_part->resolve(id);
    return found;
}

Declarator* ModuleTypeSpec::resolve_earlier(const Id& id) const {
    if (!first_body->bodies) return nullptr;
    return resolve_in_bodies(id, body_number);
}

// The bodies are indexed as far as asked, once each, so that a module
// reopened many times costs one lookup per name.
Declarator* ModuleTypeSpec::resolve_in_bodies(const Id& id, size_t count) const {
    Bodies& b = *first_body->bodies;
    for (; b.indexed < count && b.indexed < b.list.size(); ++b.indexed) {
        const DeclList& list = *b.list[b.indexed]->decls;
        for (DLListIter<Decl> it(list); it; it.next()) {
            const Decl& decl = it.entry();
            if (decl.is_error()) continue;
            const TypeSpec& ts = decl.get_typespec();
            if (ts.defines_name())
                b.names.emplace(ts.get_name().key_ptr(), Bodies::Entry{&ts.get_declarator(), b.indexed});
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
                b.names.emplace(d.entry().get_name().key_ptr(), Bodies::Entry{&d.entry(), b.indexed});
            if (EnumTypeSpec::is(ts))
                for (DLListIter<Declarator> e(EnumTypeSpec::narrow(ts).get_entries()); e; e.next())
                    b.names.emplace(e.entry().get_name().key_ptr(), Bodies::Entry{&e.entry(), b.indexed});
        }
    }
    const Bodies::Entry* found = b.names.find(id.key_ptr());
    return found && found->body < count ? found->declarator : nullptr;
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
    // A later body is not declared again: lookups find the first body's
    // declarator anyway, and a scope holding many bodies of one name would
    // make every clash check walk them all.
    if (!earlier) declare_self(scope);
    if (earlier && first_body == this) {
        ModuleTypeSpec* first = const_cast<ModuleTypeSpec*>(earlier->first_body);
        if (!first->bodies) {
            first->bodies = new Bodies;
            first->bodies->list.push_back(first);
        }
        body_number = first->bodies->list.size();
        first->bodies->list.push_back(this);
        first_body = first;
    }
    // A file's own CORBA or PortableServer module extends the ORB's.
    if (orb_modules::is_orb_module(*this))
        if (Declarator* orb = orb_modules::lookup(get_name()))
            if (&orb->get_typespec() != this) orb_part = &ModuleTypeSpec::narrow(orb->get_typespec());
    Scope inner(scope, "module exports", get_loc());
    if (first_body != this) inner.set_reopened(*this);
    if (orb_part) inner.set_orb_part(*orb_part);
    decls->resolve_names(inner);
}

void ModuleTypeSpec::final_check() { decls->final_check(DeclaratorContext::any); }

void ModuleTypeSpec::print(std::ostream& out) const {
    out << "module " << get_name() << " { " << *definitions << " }";
}

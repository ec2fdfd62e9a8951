#include <ostream>

#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/types.h"

ForwardTypeSpec::ForwardTypeSpec(Id& name, TypeSpecTag kind) : NamedTypeSpec(name, Description::null), kind(kind) {}

bool ForwardTypeSpec::announces(const Declarator& other, TypeSpecTag kind) {
    return TypeSpecDeclarator::is(other) && ForwardTypeSpec::is(other.get_typespec()) &&
           ForwardTypeSpec::narrow(other.get_typespec()).kind == kind;
}

// A forward declaration accepts itself again and the interface's
// definition, which it then records; a typedef of a scoped name answers as
// the declarator it names.
bool ForwardTypeSpec::overload_ok(Declarator& other) const {
    Declarator* d = &other;
    for (;;) {
        if (TypeSpecDeclarator::is(*d)) {
            TypeSpec& ts = d->get_typespec();
            if (kind != Interface_TypeSpecTag) {
                // A struct or union: its forward declarations and its definition.
                if (ForwardTypeSpec::is(ts)) return ForwardTypeSpec::narrow(ts).kind == kind;
                if (ts.get_tag() != kind) return false;
                definition = d;
                return true;
            }
            if (ForwardTypeSpec::is(ts)) return true;
            if (InterfaceTypeSpec::is(ts)) {
                definition = d;
                return true;
            }
            return false;
        }
        if (kind != Interface_TypeSpecTag || !SimpleDeclarator::is(*d) || !d->is_typedefd()) return false;
        TypeSpec& ts = d->get_typespec();
        if (InterfaceTypeSpec::is(ts)) {
            definition = d;
            return true;
        }
        if (!ScopedNameTypeSpec::is(ts)) return false;
        ScopedName& name = ScopedNameTypeSpec::narrow(ts).get_scoped_name();
        if (!name.is_resolved()) return false;
        d = name.get_declarator();
    }
}

Declarator* ForwardTypeSpec::resolve(const Id& id) const { return unwrap()->resolve(id); }

void ForwardTypeSpec::resolve_names(Scope& scope) { declare_self(scope); }

Declarator* ForwardTypeSpec::unwrap() const {
    if (!definition) {
        msg::error(get_loc(), "%s not found for forward declaration",
                   kind == Struct_TypeSpecTag  ? "struct"
                   : kind == Union_TypeSpecTag ? "union"
                   : kind == Value_TypeSpecTag ? "value type"
                                               : "interface");
        definition = &Declarator::bad;
    }
    return definition;
}

void ForwardTypeSpec::print(std::ostream& out) const {
    out << (kind == Struct_TypeSpecTag  ? "struct "
            : kind == Union_TypeSpecTag ? "union "
            : kind == Value_TypeSpecTag ? "valuetype "
            : local                     ? "local interface "
                                        : "interface ")
        << get_name();
}

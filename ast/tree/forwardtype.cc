#include <ostream>

#include "lib/msg.h"
#include "ast/input/dialect.h"
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

// An interface known only by its forward declaration has no scope to look
// in (its name stands for the declaration itself, -fcorba3).
Declarator* ForwardTypeSpec::resolve(const Id& id) const {
    Declarator* d = unwrap();
    return d == &get_declarator() ? nullptr : d->resolve(id);
}

bool ForwardTypeSpec::is_undefined_interface() const {
    return kind == Interface_TypeSpecTag && !definition && dialect::corba3();
}

void ForwardTypeSpec::resolve_names(Scope& scope) { declare_self(scope); }

// Under -fcorba3 an interface that is declared but not defined is one that
// the ORB or another compilation supplies: its name stands for its own
// declaration, an object reference type whose definition is not known.
Declarator* ForwardTypeSpec::unwrap() const {
    if (is_undefined_interface()) return &get_declarator();
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

#include <ostream>

#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// ValueBoxTypeSpec

ValueBoxTypeSpec::ValueBoxTypeSpec(Id& name, TypeSpec& boxed) : NamedTypeSpec(name, Description::null), boxed(&boxed) {}

bool ValueBoxTypeSpec::overload_ok(Declarator& other) const { return full_name_differs(other); }

void ValueBoxTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    boxed->resolve_names(scope);
}

// A box holds a value of any type but a value type (a box included), and
// not a local interface, whose references cannot travel.
void ValueBoxTypeSpec::final_check() {
    boxed->final_check();
    const TypeSpec* ts = boxed;
    if (ScopedNameTypeSpec::is(*ts)) {
        const Declarator* d = ts->unwrap();
        if (d && d->has_typespec() && ValueBoxTypeSpec::is(d->get_typespec()))
            msg::error(get_loc(), "boxed value `%s' boxes the boxed value `%s'; a box holds no value type",
                       get_name().as_charP(), d->get_name().as_charP());
        else if (d && d->has_typespec() && ValueTypeSpec::is(d->get_typespec()))
            msg::error(get_loc(), "boxed value `%s' boxes the value type `%s'; a box holds no value type",
                       get_name().as_charP(), d->get_name().as_charP());
    }
    if (const Declarator* local = local_interface_of(*boxed))
        msg::error(get_loc(), "boxed value `%s' is of local interface `%s', whose references cannot travel",
                   get_name().as_charP(), local->get_name().as_charP());
}

void ValueBoxTypeSpec::print(std::ostream& out) const { out << "valuetype " << get_name() << " " << *boxed; }

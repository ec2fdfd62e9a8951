#include <ostream>

#include "ast/expr/expr.h"
#include "lib/msg.h"
#include "ast/tree/types.h"

// StringTypeSpec

StringTypeSpec::StringTypeSpec(Expr& bound, bool wide) : bound(&bound), loc(bound.get_loc()), wide(wide) {}

bool StringTypeSpec::operator==(TypeSpec& other) {
    return StringTypeSpec::is(other) && StringTypeSpec::narrow(other).wide == wide &&
           TypeSpec::same_bound(bound, StringTypeSpec::narrow(other).bound);
}

Expr& StringTypeSpec::get_upper_bound() const {
    if (!bound) msg::panic("StringTypeSpec::get_upper_bound");
    return *bound;
}

void StringTypeSpec::resolve_names(Scope& scope) {
    // The bound may name a constant; it is bound here so that its final
    // check can evaluate it.
    if (bound) bound->resolve_names(scope);
}

void StringTypeSpec::final_check() {
    if (bound) bound->final_check(ExprContext::bound);
}

void StringTypeSpec::print(std::ostream& out) const {
    out << (wide ? "wstring" : "string");
    if (bound) out << "<" << *bound << ">";
}

#include <ostream>

#include "ast/expr/expr.h"
#include "lib/msg.h"
#include "ast/tree/types.h"

// SequenceTypeSpec

bool SequenceTypeSpec::operator==(TypeSpec& other) {
    if (!SequenceTypeSpec::is(other)) return false;
    SequenceTypeSpec& s = SequenceTypeSpec::narrow(other);
    return *element == *s.element && TypeSpec::same_bound(bound, s.bound);
}

Expr& SequenceTypeSpec::get_upper_bound() const {
    if (!bound) msg::panic("SequenceTypeSpec::get_upper_bound");
    return *bound;
}

void SequenceTypeSpec::resolve_names(Scope& scope) {
    element->resolve_names(scope);
    if (bound) bound->resolve_names(scope);
}

void SequenceTypeSpec::final_check() {
    element->final_check();
    if (bound) bound->final_check(ExprContext::bound);
}

void SequenceTypeSpec::print(std::ostream& out) const {
    out << "sequence <" << *element;
    if (bound) out << ", " << *bound;
    out << ">";
}

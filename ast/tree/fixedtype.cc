#include <ostream>

#include "ast/expr/expr.h"
#include "lib/msg.h"
#include "ast/tree/types.h"

// FixedTypeSpec

bool FixedTypeSpec::operator==(TypeSpec& other) {
    if (!FixedTypeSpec::is(other)) return false;
    FixedTypeSpec& f = FixedTypeSpec::narrow(other);
    return has_digits() == f.has_digits() && digits_value == f.digits_value && scale_value == f.scale_value;
}

void FixedTypeSpec::resolve_names(Scope& scope) {
    // Digits and scale may name constants.
    if (digits) digits->resolve_names(scope);
    if (scale) scale->resolve_names(scope);
}

// The integer value of a checked expression, or -1 when it has none.
static long long integer_of(const Expr& e) {
    if (e.has_error() || !e.has_const_value() || !IntValue::is(e.get_const_value())) return -1;
    return IntValue::narrow(e.get_const_value()).get_value();
}

void FixedTypeSpec::final_check() {
    if (!digits) return;
    digits->final_check(ExprContext::bound);
    scale->final_check(ExprContext::const_dcl);
    long long d = integer_of(*digits);
    long long s = integer_of(*scale);
    if (digits->has_error() || scale->has_error()) return;
    if (d < 1 || d > max_digits) {
        msg::error(loc, "the digits of a fixed-point type must be between 1 and %d: %s", max_digits,
                   digits->abbrev_text().chars());
        return;
    }
    if (s < 0 || s > d) {
        msg::error(loc, "the scale of a fixed-point type must be between 0 and its digits (%lld): %s", d,
                   scale->abbrev_text().chars());
        return;
    }
    digits_value = static_cast<int>(d);
    scale_value = static_cast<int>(s);
}

void FixedTypeSpec::print(std::ostream& out) const {
    out << "fixed";
    if (digits) out << "<" << *digits << "," << *scale << ">";
}

FixedTypeSpec& FixedTypeSpec::narrow(TypeSpec& t) {
    if (!is(t)) t.narrow_fault("FixedTypeSpec");
    return static_cast<FixedTypeSpec&>(t);
}

const FixedTypeSpec& FixedTypeSpec::narrow(const TypeSpec& t) {
    if (!is(t)) t.narrow_fault("FixedTypeSpec");
    return static_cast<const FixedTypeSpec&>(t);
}

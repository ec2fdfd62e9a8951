#include <ostream>

#include "ast/expr/expr.h"

ValueExpr::ValueExpr(Value& value) : value(&value) { set_const_value(&value); }

bool ValueExpr::operator==(const Expr& other) const {
    return is(other) && *value == *narrow(other).value;
}

void ValueExpr::print(std::ostream& out) const { out << *value; }

void ValueExpr::compute(const ExprContext&) {
    // The type of a literal follows its kind.
    switch (value->get_tag()) {
    case BoolValue_tag: set_type(ExprType::boolean_type()); break;
    case CharValue_tag: set_type(ExprType::char_type()); break;
    case IntValue_tag: set_type(ExprType::long_type()); break;
    case RealValue_tag: set_type(ExprType::float_type()); break;
    case StringValue_tag: set_type(ExprType::string_type()); break;
    case FixedValue_tag: set_type(ExprType::fixed_type()); break;
    }
    set_const_value(value);
}

ValueExpr& ValueExpr::narrow(Expr& e) {
    if (!is(e)) narrow_fault("ValueExpr", e);
    return static_cast<ValueExpr&>(e);
}

const ValueExpr& ValueExpr::narrow(const Expr& e) {
    if (!is(e)) narrow_fault("ValueExpr", e);
    return static_cast<const ValueExpr&>(e);
}

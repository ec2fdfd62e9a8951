#include <ostream>

#include "ast/expr/expr.h"

void DefaultExpr::print(std::ostream& out) const { out << "default"; }

void DefaultExpr::compute(const ExprContext&) {
    // A default label has no type and no value; nothing is demanded of it.
    set_type(ExprType::undefinedET);
}

DefaultExpr& DefaultExpr::narrow(Expr& e) {
    if (!is(e)) narrow_fault("DefaultExpr", e);
    return static_cast<DefaultExpr&>(e);
}

const DefaultExpr& DefaultExpr::narrow(const Expr& e) {
    if (!is(e)) narrow_fault("DefaultExpr", e);
    return static_cast<const DefaultExpr&>(e);
}

#include <ostream>

#include "ast/expr/expr.h"
#include "ast/input/dialect.h"

UnaryOpExpr::UnaryOpExpr(int op, Expr& operand) : op(op), operand(&operand) {
    set_depth_over(operand, nullptr);
}

bool UnaryOpExpr::operator==(const Expr& other) const {
    if (this == &other) return true;
    if (!is(other) || is_too_deep() || other.is_too_deep()) return false;
    const UnaryOpExpr& o = narrow(other);
    return op == o.op && *operand == *o.operand;
}

void UnaryOpExpr::print(std::ostream& out) const {
    if (is_too_deep()) {
        out << "...";
        return;
    }
    out << unary_op_text(op);
    // Only names and literals go without parentheses: "-(-1)", not "--1".
    if (ValueExpr::is(*operand) || ScopedNameExpr::is(*operand))
        out << *operand;
    else
        out << "(" << *operand << ")";
}

void UnaryOpExpr::resolve_names(Scope& scope) {
    if (!is_too_deep()) operand->resolve_names(scope);
}

void UnaryOpExpr::compute(const ExprContext& ctx) {
    operand->final_check(ctx.operand());
    // An operand left without a type was reported already.
    if (!operand->has_type()) return;
    const ExprType& t = operand->get_type();
    if (!t.is_valid()) return;

    if (operand->has_const_value() && FixedValue::is(operand->get_const_value()) &&
        (op == UnaryOp_plus || op == UnaryOp_minus)) {
        // A signed fixed-point literal (-fcorba3): its value and type.
        const Value& v = operand->get_const_value();
        set_type(t);
        set_const_value(op == UnaryOp_minus ? v.minus() : v.plus());
        return;
    }
    bool ok = false;
    switch (op) {
    case UnaryOp_plus:
    case UnaryOp_minus: ok = t.is_numeric(); break;
    case UnaryOp_lognot: ok = t.is_bool() || t.is_integer(); break;
    case UnaryOp_bitcompl: ok = t.is_integer(); break;
    default: break;
    }
    if (!ok) {
        report("bad operand for unary expression: %s", abbrev_text().chars());
        return;
    }
    set_type(t);
    if (!operand->has_const_value()) return;
    const Value& v = operand->get_const_value();
    if (dialect::corba3() && RealValue::is(v) && (op == UnaryOp_plus || op == UnaryOp_minus)) {
        // Floating-point constants compute with -fcorba3.
        double x = RealValue::narrow(v).get_value();
        set_const_value(new RealValue(op == UnaryOp_minus ? -x : x, v.get_loc()));
        return;
    }
    switch (op) {
    case UnaryOp_plus: set_const_value(v.plus()); break;
    case UnaryOp_minus: set_const_value(v.minus()); break;
    case UnaryOp_lognot: set_const_value(v.lognot()); break;
    case UnaryOp_bitcompl: set_const_value(v.bitcompl()); break;
    default: break;
    }
}

UnaryOpExpr& UnaryOpExpr::narrow(Expr& e) {
    if (!is(e)) narrow_fault("UnaryOpExpr", e);
    return static_cast<UnaryOpExpr&>(e);
}

const UnaryOpExpr& UnaryOpExpr::narrow(const Expr& e) {
    if (!is(e)) narrow_fault("UnaryOpExpr", e);
    return static_cast<const UnaryOpExpr&>(e);
}

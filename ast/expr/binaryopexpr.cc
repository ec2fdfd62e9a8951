#include <ostream>

#include "ast/expr/expr.h"
#include "ast/input/dialect.h"

BinaryOpExpr::BinaryOpExpr(Expr& left, int op, Expr& right) : left(&left), op(op), right(&right) {
    set_depth_over(left, &right);
}

bool BinaryOpExpr::operator==(const Expr& other) const {
    if (this == &other) return true;
    if (!is(other) || is_too_deep() || other.is_too_deep()) return false;
    const BinaryOpExpr& o = narrow(other);
    return op == o.op && *left == *o.left && *right == *o.right;
}

namespace {

// An operand is parenthesised when it binds no tighter than the operator,
// so equal priorities on either side keep their parentheses.
void print_operand(std::ostream& out, const Expr& e, int priority) {
    if (e.get_priority() <= priority)
        out << "(" << e << ")";
    else
        out << e;
}

}  // namespace

void BinaryOpExpr::print(std::ostream& out) const {
    if (is_too_deep()) {
        out << "...";
        return;
    }
    int p = get_priority();
    print_operand(out, *left, p);
    out << " " << binary_op_text(op) << " ";
    print_operand(out, *right, p);
}

void BinaryOpExpr::resolve_names(Scope& scope) {
    if (is_too_deep()) return;
    left->resolve_names(scope);
    right->resolve_names(scope);
}

void BinaryOpExpr::compute(const ExprContext& ctx) {
    ExprContext operand_ctx = ctx.operand();
    left->final_check(operand_ctx);
    right->final_check(operand_ctx);
    // An operand left without a type was reported already.
    if (!left->has_type() || !right->has_type()) return;
    const ExprType& lt = left->get_type();
    const ExprType& rt = right->get_type();
    if (!lt.is_valid() || !rt.is_valid()) return;

    bool ok = false;
    ExprType type;
    switch (op) {
    case BinaryOp_multiply:
    case BinaryOp_divide:
    case BinaryOp_plus:
    case BinaryOp_minus:
        ok = lt.is_numeric() && rt.is_numeric();
        type = ExprType::merge(lt, rt);
        break;
    case BinaryOp_modulus:
    case BinaryOp_bitand:
    case BinaryOp_bitxor:
    case BinaryOp_bitor:
        ok = lt.is_integer() && rt.is_integer();
        type = ExprType::merge(lt, rt);
        break;
    case BinaryOp_leftshift:
    case BinaryOp_rightshift:
        // A shift has the type of the value shifted, whatever the count's.
        ok = lt.is_integer() && rt.is_integer();
        type = lt;
        break;
    default:
        break;
    }
    if (!ok) {
        report("bad operands for binary expression: %s", abbrev_text().chars());
        return;
    }
    set_type(type);
    if (left->has_const_value() && right->has_const_value())
        set_const_value(evaluate(left->get_const_value(), right->get_const_value(), ctx.is_wide()));
}

// With -fcorba3 floating-point operands compute: an integer operand is
// promoted to double, and the result is a double.
static bool real_operands(const Value& l, const Value& r) {
    if (!dialect::corba3() || !(RealValue::is(l) || RealValue::is(r))) return false;
    return (RealValue::is(l) || IntValue::is(l)) && (RealValue::is(r) || IntValue::is(r));
}

static double as_double(const Value& v) {
    return RealValue::is(v) ? RealValue::narrow(v).get_value() : static_cast<double>(IntValue::narrow(v).get_value());
}

Value* BinaryOpExpr::evaluate(const Value& l, const Value& r, bool wide) {
    if (real_operands(l, r)) {
        double a = as_double(l), b = as_double(r);
        switch (op) {
        case BinaryOp_multiply: return new RealValue(a * b, l.get_loc());
        case BinaryOp_divide:
            if (b == 0) {
                report("division by zero in constant expression: %s", abbrev_text().chars());
                set_type(ExprType::undefinedET);
                return nullptr;
            }
            return new RealValue(a / b, l.get_loc());
        case BinaryOp_plus: return new RealValue(a + b, l.get_loc());
        case BinaryOp_minus: return new RealValue(a - b, l.get_loc());
        default: return nullptr;
        }
    }
    bool int_operands = IntValue::is(l) && IntValue::is(r);
    switch (op) {
    case BinaryOp_multiply: return l.multiply(r);
    case BinaryOp_divide:
    case BinaryOp_modulus:
        if (int_operands && IntValue::narrow(r).get_value() == 0) {
            report("division by zero in constant expression: %s", abbrev_text().chars());
            set_type(ExprType::undefinedET);
            return nullptr;
        }
        return op == BinaryOp_divide ? l.divide(r) : l.modulus(r);
    case BinaryOp_plus: return l.plus(r);
    case BinaryOp_minus: return l.minus(r);
    case BinaryOp_leftshift:
    case BinaryOp_rightshift:
        if (int_operands) {
            // A value held in 64 bits shifts by up to 63, any other by up
            // to 31.
            long long count = IntValue::narrow(r).get_wide();
            if (count < 0 || count > (wide ? 63 : 31)) {
                report("shift count out of range in constant expression: %s", abbrev_text().chars());
                set_type(ExprType::undefinedET);
                return nullptr;
            }
            if (count > 31) return IntValue::narrow(l).wide_shift(r, op == BinaryOp_leftshift);
        }
        return op == BinaryOp_leftshift ? l.leftshift(r) : l.rightshift(r);
    case BinaryOp_bitand: return l.bit_and(r);
    case BinaryOp_bitxor: return l.bitxor(r);
    case BinaryOp_bitor: return l.bit_or(r);
    default: return nullptr;
    }
}

BinaryOpExpr& BinaryOpExpr::narrow(Expr& e) {
    if (!is(e)) narrow_fault("BinaryOpExpr", e);
    return static_cast<BinaryOpExpr&>(e);
}

const BinaryOpExpr& BinaryOpExpr::narrow(const Expr& e) {
    if (!is(e)) narrow_fault("BinaryOpExpr", e);
    return static_cast<const BinaryOpExpr&>(e);
}

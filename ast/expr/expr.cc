// What every constant expression shares: the once-only final check with the
// checks the context demands, the operator tables, and expression lists.
#include "ast/expr/expr.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>

#include "lib/msg.h"

ExprList ExprList::null;
int Expr::active_checks = 0;

Value& Expr::get_const_value() const {
    if (!const_value) msg::panic("Expr::get_const_value");
    return *const_value;
}

const ExprType& Expr::get_type() const {
    if (!type_set) msg::panic("Expr::get_type/%s", abbrev_text().chars());
    return type;
}

void Expr::final_check(const ExprContext& ctx) {
    if (type_set || checking) return;
    if (too_deep) {
        // Reported when the expression was built.
        set_type(ExprType::undefinedET);
        error_reported = true;
        return;
    }
    checking = true;
    ++active_checks;
    compute(ctx);
    if (!type_set) set_type(ExprType::undefinedET);
    if (type.is_valid()) common_check(ctx);
    --active_checks;
    checking = false;
}

void Expr::common_check(const ExprContext& ctx) {
    // A positive integer is data too: a type named as a bound is reported
    // as such rather than as a value that could not be computed.
    if ((ctx.wants_data() || ctx.wants_positive()) && !type.is_any_data()) {
        report("data item expected");
        set_type(ExprType::undefinedET);
        const_value = nullptr;
    } else if (ctx.wants_positive()) {
        if (!const_value) {
            report("could not evaluate expression: %s", abbrev_text().chars());
        } else if (IntValue::is(*const_value)) {
            const IntValue& iv = IntValue::narrow(*const_value);
            int v = iv.get_value();
            if (v < 1)
                report("value of expression (%d) is not a positive integer: %s", v, abbrev_text().chars());
            else if (iv.is_overflowed_literal())
                report("integer literal %s does not fit in 64 bits", iv.get_text().chars());
            else if (iv.get_wide() != v || iv.is_unsigned_top())
                // Its low 32 bits are positive, but a bound cut to them
                // would silently be another number.
                report("value of expression does not fit in 32 bits: %s", abbrev_text().chars());
        } else {
            report("expression is not of integer type: %s", abbrev_text().chars());
        }
    } else if (ctx.wants_constant() && !const_value) {
        report("constant expression expected");
    }
}

void Expr::report(const char* fmt, ...) {
    char text[msg::buffer_size];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    msg::error(get_loc(), "%s", text);
    error_reported = true;
    const_value = nullptr;
}

void Expr::set_depth_over(const Expr& a, const Expr* b) {
    bool child_too_deep = a.too_deep || (b && b->too_deep);
    int d = a.depth;
    if (b && b->depth > d) d = b->depth;
    depth = d + 1;
    if (child_too_deep || depth > max_depth) {
        // The node stands in for the whole over-deep expression: it is never
        // walked, so later passes cannot exhaust the stack.
        if (!child_too_deep)
            msg::error(a.get_loc(), "constant expression nested too deeply (more than %d levels)", int(max_depth));
        too_deep = true;
        depth = 1;
    }
}

const char* Expr::tag_name(ExprTag tag) {
    switch (tag) {
    case BinaryOpExpr_tag: return "BinaryOpExpr";
    case DefaultExpr_tag: return "DefaultExpr";
    case ScopedNameExpr_tag: return "ScopedNameExpr";
    case UnaryOpExpr_tag: return "UnaryOpExpr";
    case ValueExpr_tag: return "ValueExpr";
    }
    return "???";
}

const char* Expr::binary_op_text(int op) {
    static const char* const texts[] = {"*", "/", "%", "+", "-", "<<", ">>", "&", "^", "|"};
    return op >= 0 && op <= BinaryOp_bitor ? texts[op] : "???";
}

const char* Expr::unary_op_text(int op) {
    static const char* const texts[] = {"+", "-", "!", "~"};
    return op >= 0 && op <= UnaryOp_bitcompl ? texts[op] : "???";
}

int Expr::binary_op_priority(int op) {
    switch (op) {
    case BinaryOp_multiply:
    case BinaryOp_divide:
    case BinaryOp_modulus: return 6;
    case BinaryOp_plus:
    case BinaryOp_minus: return 5;
    case BinaryOp_leftshift:
    case BinaryOp_rightshift: return 4;
    case BinaryOp_bitand: return 3;
    case BinaryOp_bitxor: return 2;
    case BinaryOp_bitor: return 1;
    default: return 0;
    }
}

void Expr::narrow_fault(const char* expected, const Expr& found) {
    msg::panic("Expr::narrow_fault: expecting %s, found %s", expected, found.abbrev_text().chars());
}

void ExprList::resolve_names(Scope& scope) {
    for (DLListIter<Expr> it(*this); it; it.next()) it.entry().resolve_names(scope);
}

void ExprList::final_check(const ExprContext& ctx, int skip_default) {
    for (DLListIter<Expr> it(*this); it; it.next()) {
        if (skip_default && DefaultExpr::is(it.entry())) continue;
        it.entry().final_check(ctx);
    }
}

void ExprList::print(std::ostream& out) const {
    const char* sep = "";
    for (DLListIter<Expr> it(*this); it; it.next()) {
        out << sep << it.entry();
        sep = ", ";
    }
}

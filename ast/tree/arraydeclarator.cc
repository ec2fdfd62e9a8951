#include <ostream>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/tree/declarator.h"

// ArrayDeclarator

ArrayDeclarator::ArrayDeclarator(Id& name, Description& desc, ExprList& sizes)
    : Declarator(name, desc), sizes(&sizes), count(sizes.length()) {}

void ArrayDeclarator::resolve_names(Scope& scope) {
    sizes->resolve_names(scope);
    scope.declare(*this);
}

void ArrayDeclarator::final_check(const DeclaratorContext& ctx) {
    Declarator::final_check(ctx);
    int before = msg::get_error_count();
    sizes->final_check(ExprContext::bound);
    if (msg::get_error_count() != before) return;
    bounds.clear();
    for (DLListIter<Expr> it(*sizes); it; it.next()) {
        Expr& e = it.entry();
        if (e.has_const_value() && IntValue::is(e.get_const_value()))
            bounds.push_back(IntValue::narrow(e.get_const_value()).get_value());
    }
}

void ArrayDeclarator::print(std::ostream& out) const {
    out << get_name();
    for (DLListIter<Expr> it(*sizes); it; it.next()) out << "[" << it.entry() << "]";
}

ArrayDeclarator& ArrayDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("ArrayDeclarator");
    return static_cast<ArrayDeclarator&>(d);
}
const ArrayDeclarator& ArrayDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("ArrayDeclarator");
    return static_cast<const ArrayDeclarator&>(d);
}

#include <ostream>

#include "ast/expr/expr.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"

bool ScopedNameExpr::operator==(const Expr& other) const {
    return is(other) && *name == *narrow(other).name;
}

SrcLoc ScopedNameExpr::get_loc() const { return name->get_loc(); }

void ScopedNameExpr::print(std::ostream& out) const { out << *name; }

void ScopedNameExpr::resolve_names(Scope& scope) { name->resolve(scope); }

void ScopedNameExpr::compute(const ExprContext&) {
    Declarator* d = name->get_declarator();
    // A name that failed to resolve was reported then.
    if (d == &Declarator::bad) return;
    if (InitDeclarator::is(*d)) {
        // A constant takes the value of its expression.  A constant declared
        // in a file checked later is evaluated here, once.
        Expr& e = InitDeclarator::narrow(*d).get_expr();
        if (e.is_being_checked()) {
            // The constant is defined in terms of itself: it has no value.
            set_type(ExprType(*d, 0));
            return;
        }
        if (!e.has_type() && checks_in_progress() > max_check_nesting) {
            // A long chain of such constants would nest checks without end.
            report("constant expression nested too deeply through constants: %s", abbrev_text().chars());
            return;
        }
        e.final_check(InitDeclarator::narrow(*d).value_context());
        // A constant whose expression was reported, or depends on one that
        // was, leaves its users silent.
        if (!e.has_type() || e.has_error() || !e.get_type().is_valid()) return;
        if (e.has_const_value()) set_const_value(&e.get_const_value());
    }
    ExprType type(*d, 0);
    // Data declared with a type name that names no type (a constant used as
    // a type) has no type of its own.
    if (!type.is_valid()) {
        report("data item expected");
        return;
    }
    set_type(type);
}

ScopedNameExpr& ScopedNameExpr::narrow(Expr& e) {
    if (!is(e)) narrow_fault("ScopedNameExpr", e);
    return static_cast<ScopedNameExpr&>(e);
}

const ScopedNameExpr& ScopedNameExpr::narrow(const Expr& e) {
    if (!is(e)) narrow_fault("ScopedNameExpr", e);
    return static_cast<const ScopedNameExpr&>(e);
}

#include <cfloat>
#include <cmath>
#include <ostream>

#include "ast/expr/expr.h"
#include "ast/input/dialect.h"
#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// InitDeclarator

InitDeclarator::InitDeclarator(Id& name, Description& desc, Expr& value) : Declarator(name, desc), value(&value) {}

void InitDeclarator::resolve_names(Scope& scope) {
    scope.declare(*this);
    value->resolve_names(scope);
}

// A constant's type must be a base type or a string, possibly reached
// through typedef names.
void InitDeclarator::final_check(const DeclaratorContext& ctx) {
    Declarator::final_check(ctx);
    TypeSpec& ts = get_typespec();
    const TypeSpec* type = &ts;
    if (ScopedNameTypeSpec::is(ts)) {
        Declarator* named = ScopedNameTypeSpec::narrow(ts).get_scoped_name().get_unwrapped_declarator();
        type = named->has_typespec() ? &named->get_typespec() : nullptr;
    }
    bool valid = ts.is_data_type() && type &&
                 (BaseTypeSpec::is(*type) || StringTypeSpec::is(*type));
    if (!valid) {
        msg::error(get_loc(), "invalid type for const declaration: %s", ts.abbrev_text().chars());
        return;
    }
    value->final_check(ExprContext::const_dcl);
    if (dialect::corba3()) check_real_range(*type);
}

// With -fcorba3 floating-point constants compute; the value must fit the
// declared type (a literal out of range reads as infinity).
void InitDeclarator::check_real_range(const TypeSpec& type) const {
    if (!value->has_const_value() || !RealValue::is(value->get_const_value()) || !BaseTypeSpec::is(type)) return;
    double v = RealValue::narrow(value->get_const_value()).get_value();
    BaseTypeSpec_tag tag = BaseTypeSpec::narrow(type).get_base_tag();
    // A literal is shown as written ("1e400", not "inf").
    String shown = value->abbrev_text();
    if (ValueExpr::is(*value) && RealValue::is(ValueExpr::narrow(*value).get_value()) &&
        RealValue::narrow(ValueExpr::narrow(*value).get_value()).has_text())
        shown = RealValue::narrow(ValueExpr::narrow(*value).get_value()).get_text();
    if (tag == double_BaseTypeSpec && !std::isfinite(v))
        msg::error(get_loc(), "value out of range for double: %s", shown.chars());
    else if (tag == float_BaseTypeSpec && !(std::fabs(v) <= FLT_MAX))
        msg::error(get_loc(), "value out of range for float: %s", shown.chars());
}

void InitDeclarator::print(std::ostream& out) const { out << get_name() << " = " << *value; }

InitDeclarator& InitDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("InitDeclarator");
    return static_cast<InitDeclarator&>(d);
}
const InitDeclarator& InitDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("InitDeclarator");
    return static_cast<const InitDeclarator&>(d);
}

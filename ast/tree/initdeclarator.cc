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

const TypeSpec* InitDeclarator::value_type() const {
    const TypeSpec* type = &get_typespec();
    if (ScopedNameTypeSpec::is(*type)) {
        Declarator* named = ScopedNameTypeSpec::narrow(*type).get_scoped_name().get_unwrapped_declarator();
        type = named && named->has_typespec() ? &named->get_typespec() : nullptr;
    }
    return type;
}

bool InitDeclarator::holds_wide() const {
    const TypeSpec* type = value_type();
    if (!type || !BaseTypeSpec::is(*type)) return false;
    BaseTypeSpec_tag tag = BaseTypeSpec::narrow(*type).get_base_tag();
    return tag == longlong_BaseTypeSpec || tag == ulonglong_BaseTypeSpec;
}

ExprContext InitDeclarator::value_context() const {
    const TypeSpec* type = value_type();
    if (type && EnumTypeSpec::is(*type)) return ExprContext(ExprContext_data);
    return holds_wide() ? ExprContext::const_dcl.widened() : ExprContext::const_dcl;
}

// A constant's type must be a base type or a string, possibly reached
// through typedef names; with -fcorba3 also a fixed-point type, or an enum,
// whose value is one of its enumerators.
void InitDeclarator::final_check(const DeclaratorContext& ctx) {
    Declarator::final_check(ctx);
    TypeSpec& ts = get_typespec();
    const TypeSpec* type = value_type();
    bool valid = ts.is_data_type() && type &&
                 (BaseTypeSpec::is(*type) || StringTypeSpec::is(*type) || FixedTypeSpec::is(*type) ||
                  (dialect::corba3() && EnumTypeSpec::is(*type)));
    if (!valid) {
        msg::error(get_loc(), "invalid type for const declaration: %s", ts.abbrev_text().chars());
        return;
    }
    value->final_check(value_context());
    if (EnumTypeSpec::is(*type)) {
        check_enumerator(*type);
        return;
    }
    check_int_range(*type);
    check_real_range(*type);
    check_fixed_value(*type);
}

// A fixed-point constant (-fcorba3) takes a fixed-point value, which fits
// the type's digits and scale; no other constant takes one.
void InitDeclarator::check_fixed_value(const TypeSpec& type) const {
    if (!value->has_const_value()) return;
    const Value& v = value->get_const_value();
    bool fixed_type = FixedTypeSpec::is(type);
    if (!FixedValue::is(v)) {
        if (fixed_type) msg::error(get_loc(), "a fixed-point constant needs a fixed-point value: %s", value->abbrev_text().chars());
        return;
    }
    const FixedValue& f = FixedValue::narrow(v);
    if (!fixed_type) {
        msg::error(get_loc(), "a fixed-point value for a constant of type %s: %s", type.abbrev_text().chars(),
                   value->abbrev_text().chars());
        return;
    }
    if (f.digit_count() > FixedTypeSpec::max_digits) {
        msg::error(get_loc(), "a fixed-point value of more than %d digits: %s", FixedTypeSpec::max_digits,
                   value->abbrev_text().chars());
        return;
    }
    const FixedTypeSpec& t = FixedTypeSpec::narrow(type);
    if (!t.has_digits() || t.get_digits() == 0) return;
    // Zeros at the end of the fraction are not needed to hold the value.
    int fraction = f.get_scale();
    const std::string& digits = f.get_digits();
    for (size_t i = digits.size(); fraction > 0 && i > 0 && digits[i - 1] == '0'; --i) --fraction;
    if (f.integer_digits() > t.get_digits() - t.get_scale() || fraction > t.get_scale())
        msg::error(get_loc(), "the value %s does not fit %s", value->abbrev_text().chars(), type.abbrev_text().chars());
}

// An enum constant's value is one of the enum's own enumerators.
void InitDeclarator::check_enumerator(const TypeSpec& type) const {
    if (value->has_error() || !value->has_type()) return;
    bool ok = false;
    if (ScopedNameExpr::is(*value)) {
        const Declarator* d = ScopedNameExpr::narrow(*value).get_name().get_declarator();
        ok = d && EnumEntryDeclarator::is(*d) && &EnumEntryDeclarator::narrow(*d).get_enum() == &type;
    }
    if (!ok)
        msg::error(get_loc(), "value of constant %s is not an enumerator of %s: %s", get_name().as_String().chars(),
                   get_typespec().abbrev_text().chars(), value->abbrev_text().chars());
}

// An integer constant must hold a value its type can: the Java would
// otherwise silently hold another number.
void InitDeclarator::check_int_range(const TypeSpec& type) const {
    if (!value->has_const_value() || !IntValue::is(value->get_const_value()) || !BaseTypeSpec::is(type)) return;
    const IntValue& v = IntValue::narrow(value->get_const_value());
    if (v.fits(BaseTypeSpec::narrow(type).get_base_tag()) || v.is_overflowed_literal()) return;
    msg::error(get_loc(), "value out of range for %s: %s", type.abbrev_text().chars(), value->abbrev_text().chars());
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

#include <ostream>

#include "ast/expr/expr.h"
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

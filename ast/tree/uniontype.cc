#include <ostream>

#include "ast/expr/expr.h"
#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "lib/msg.h"

// UnionCase

void UnionCase::resolve_names(Scope& scope) {
    labels->resolve_names(scope);
    element->resolve_names(scope);
}

void UnionCase::final_check() {
    labels->final_check(ExprContext::case_label);
    element->final_check(DeclaratorContext::union_members);
}

void UnionCase::print(std::ostream& out) const {
    for (DLListIter<Expr> it(*labels); it; it.next()) {
        if (DefaultExpr::is(it.entry()))
            out << "default:";
        else
            out << "case " << it.entry() << ":";
    }
    out << " " << *element;
}

void UnionCaseList::print(std::ostream& out) const {
    for (DLListIter<UnionCase> it(*this); it; it.next()) out << it.entry() << "; ";
}

// UnionTypeSpec

UnionTypeSpec::UnionTypeSpec(Id& name, Description& desc, TypeSpec& switch_type, UnionCaseList& cases)
    : NamedTypeSpec(name, desc), switch_type(&switch_type), cases(&cases) {
    // An enum defined in place as the switch type gets a declaration of its
    // own, so that it has a full name; the union's container is passed on
    // to it when the union gets one.
    if (EnumTypeSpec::is(switch_type) && !switch_type.has_decl()) new Decl(switch_type);
    for (DLListIter<UnionCase> it(cases); it; it.next()) {
        Decl& element = it.entry().get_element();
        if (!element.is_error()) element.set_container(*this);
    }
}

bool UnionTypeSpec::overload_ok(Declarator& other) const {
    return full_name_differs(other) || ForwardTypeSpec::announces(other, Union_TypeSpecTag);
}

static void add_enumerators(AddressMap<Declarator*>& names, const TypeSpec& ts) {
    if (!EnumTypeSpec::is(ts)) return;
    for (DLListIter<Declarator> e(EnumTypeSpec::narrow(ts).get_entries()); e; e.next())
        names.emplace(e.entry().get_name().key_ptr(), &e.entry());
}

Declarator* UnionTypeSpec::resolve(const Id& id) const {
    if (!dialect::corba3()) return nullptr;
    if (!names) {
        names = new AddressMap<Declarator*>;
        if (EnumTypeSpec::is(*switch_type)) {
            names->emplace(switch_type->get_name().key_ptr(), &switch_type->get_declarator());
            add_enumerators(*names, *switch_type);
        }
        for (DLListIter<UnionCase> it(*cases); it; it.next()) {
            const Decl& element = it.entry().get_element();
            if (element.is_error()) continue;
            const TypeSpec& ts = element.get_typespec();
            if (ts.defines_name()) names->emplace(ts.get_name().key_ptr(), &ts.get_declarator());
            for (DLListIter<Declarator> d(element.get_declarators()); d; d.next())
                names->emplace(d.entry().get_name().key_ptr(), &d.entry());
            add_enumerators(*names, ts);
        }
    }
    Declarator* const* found = names->find(id.key_ptr());
    return found ? *found : nullptr;
}

void UnionTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    Scope inner(scope, "union members", get_loc());
    // With -fcorba3 an enum declared as the switch type belongs to the
    // union's scope, as its enumerators do: two unions may each declare one
    // of the same name.
    switch_type->resolve_names(dialect::corba3() ? inner : scope);
    for (DLListIter<UnionCase> it(*cases); it; it.next()) it.entry().resolve_names(inner);
}

// Whether a switch type named through typedefs ends at a type a union can
// switch over: an integer, char, wchar, boolean or octet type, or an enum
// (not an array, a floating-point type, any, a string or a constructed or
// predefined type, which the generated Java cannot switch over).
static bool discriminator_ok(const Declarator& d) {
    if (ArrayDeclarator::is(d) || !d.has_typespec()) return false;
    const TypeSpec& ts = d.get_typespec();
    if (EnumTypeSpec::is(ts)) return true;
    if (!BaseTypeSpec::is(ts)) return false;
    BaseTypeSpec_tag tag = BaseTypeSpec::narrow(ts).get_base_tag();
    return tag != double_BaseTypeSpec && tag != float_BaseTypeSpec && tag != any_BaseTypeSpec;
}

void UnionTypeSpec::final_check() {
    switch_type->final_check();
    if (ScopedNameTypeSpec::is(*switch_type)) {
        Declarator* d = switch_type->unwrap();
        if (d != &Declarator::bad && !discriminator_ok(*d)) {
            msg::error(switch_type->get_loc(), "invalid type for union discriminator: %s",
                       switch_type->abbrev_text().chars());
            return;
        }
    }
    for (DLListIter<UnionCase> it(*cases); it; it.next()) it.entry().final_check();
}

void UnionTypeSpec::print(std::ostream& out) const {
    out << "union " << get_name() << " switch (" << *switch_type << ") { " << *cases << " }";
}

#include <map>
#include <ostream>

#include "ast/expr/expr.h"
#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "lib/msg.h"

// UnionCase

void UnionCase::resolve_names(Scope& scope) {
    labels->resolve_names(scope);
    element->resolve_names(scope);
}

void UnionCase::final_check(bool wide) {
    labels->final_check(wide ? ExprContext::case_label.widened() : ExprContext::case_label);
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

// The base type the discriminator is after typedef names; -1 for an enum
// or a name that failed.
static int discriminator_base_tag(const TypeSpec& switch_type) {
    const TypeSpec* ts = &switch_type;
    if (ScopedNameTypeSpec::is(*ts)) {
        Declarator* d = ts->unwrap();
        if (!d || d == &Declarator::bad || !d->has_typespec()) return -1;
        ts = &d->get_typespec();
    }
    return BaseTypeSpec::is(*ts) ? BaseTypeSpec::narrow(*ts).get_base_tag() : -1;
}

// What tells two labels apart: the kind of value and its bits, or the
// enumerator named (directly or through a constant).
struct LabelKey {
    int kind;  // 0 none, 1 integer, 2 character, 3 boolean, 4 enumerator
    long long bits;
    const void* enumerator;
    bool operator<(const LabelKey& o) const {
        if (kind != o.kind) return kind < o.kind;
        if (bits != o.bits) return bits < o.bits;
        return enumerator < o.enumerator;
    }
};

static LabelKey label_key(const Expr& label) {
    if (label.has_const_value()) {
        const Value& v = label.get_const_value();
        if (IntValue::is(v)) return {1, IntValue::narrow(v).get_wide(), nullptr};
        if (CharValue::is(v)) return {2, CharValue::narrow(v).get_value(), nullptr};
        if (BoolValue::is(v)) return {3, BoolValue::narrow(v).get_value(), nullptr};
        return {0, 0, nullptr};
    }
    const Expr* e = &label;
    // A constant naming an enumerator stands for it.
    for (int hops = 0; ScopedNameExpr::is(*e) && hops < 64; ++hops) {
        const Declarator* d = ScopedNameExpr::narrow(*e).get_name().get_declarator();
        if (!d || d == &Declarator::bad) break;
        if (EnumEntryDeclarator::is(*d)) return {4, 0, d};
        if (!InitDeclarator::is(*d)) break;
        e = &InitDeclarator::narrow(*d).get_expr();
    }
    return {0, 0, nullptr};
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
    int tag = discriminator_base_tag(*switch_type);
    bool wide = tag == longlong_BaseTypeSpec || tag == ulonglong_BaseTypeSpec;
    for (DLListIter<UnionCase> it(*cases); it; it.next()) it.entry().final_check(wide);
    // Each label once, and each a value the discriminator can hold: the
    // Java switch would reject either.
    std::map<LabelKey, const Expr*> seen;
    for (DLListIter<UnionCase> it(*cases); it; it.next()) {
        for (DLListIter<Expr> l(it.entry().get_labels()); l; l.next()) {
            const Expr& label = l.entry();
            if (DefaultExpr::is(label) || label.has_error()) continue;
            if (tag >= 0 && label.has_const_value() && IntValue::is(label.get_const_value()) &&
                !IntValue::narrow(label.get_const_value()).fits(tag) &&
                !IntValue::narrow(label.get_const_value()).is_overflowed_literal()) {
                msg::error(label.get_loc(), "case label out of range for %s: %s",
                           BaseTypeSpec(tag, SrcLoc()).abbrev_text().chars(), label.abbrev_text().chars());
                continue;
            }
            LabelKey key = label_key(label);
            if (key.kind == 0) continue;
            auto found = seen.emplace(key, &label);
            if (!found.second)
                msg::error(label.get_loc(), "duplicate case label in union %s: %s (line %d)",
                           get_name().as_String().chars(), label.abbrev_text().chars(),
                           found.first->second->get_loc().get_line());
        }
    }
}

void UnionTypeSpec::print(std::ostream& out) const {
    out << "union " << get_name() << " switch (" << *switch_type << ") { " << *cases << " }";
}

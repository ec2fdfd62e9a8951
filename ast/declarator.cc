#include "declarator.h"

#include <ostream>

#include "expr.h"
#include "msg.h"
#include "scope.h"
#include "scopedname.h"
#include "typespec.h"
#include "value.h"

namespace {
Id bad_name("bad", SrcLoc());
BadDeclarator bad_declarator(bad_name, Description::null);
}  // namespace

Declarator& Declarator::bad = bad_declarator;

const char* Declarator::tag_name(DeclaratorTag tag) {
    switch (tag) {
    case Array_DeclaratorTag: return "ArrayDeclarator";
    case Init_DeclaratorTag: return "InitDeclarator";
    case Op_DeclaratorTag: return "OpDeclarator";
    case Simple_DeclaratorTag: return "SimpleDeclarator";
    case EnumEntry_DeclaratorTag: return "EnumEntryDeclarator";
    case TypeSpec_DeclaratorTag: return "TypeSpecDeclarator";
    case Bad_DeclaratorTag: return "BadDeclarator";
    }
    return "Declarator";
}

Declarator::Declarator(Id& name, Description& desc) : name(&name), desc(&desc) {}

void Declarator::narrow_fault(const char* expected) const {
    msg::panic("Declarator::narrow_fault: expecting %s, found %s", expected, abbrev_text().chars());
}

TypeSpec& Declarator::get_typespec() const {
    if (!typespec) msg::panic("Declarator::get_typespec");
    return *typespec;
}

void Declarator::set_typespec(TypeSpec& ts) {
    if (typespec) msg::panic("Declarator::set_typespec");
    typespec = &ts;
}

Decl& Declarator::get_decl() const { return get_typespec().get_decl(); }

bool Declarator::is_typedefd() const {
    return typespec && typespec->has_decl() && typespec->get_decl().is_typedef();
}

bool Declarator::is_readonly() const {
    return typespec && typespec->has_decl() && typespec->get_decl().is_readonly();
}

bool Declarator::is_data() const { return typespec && !is_typedefd() && typespec->is_data_type(); }

bool Declarator::is_data_type() const { return typespec && is_typedefd() && typespec->is_data_type(); }

bool Declarator::is_type() const { return is_typedefd(); }

void Declarator::final_check(const DeclaratorContext& ctx) {
    if (ctx.requires_data() && !is_data())
        msg::error(get_loc(), "invalid declaration for member of %s", ctx.get_name());
}

bool Declarator::overload_ok(Declarator&) { return false; }

Declarator* Declarator::resolve(const Id&) { return nullptr; }

void Declarator::resolve_names(Scope& scope) { scope.declare(*this); }

Declarator* Declarator::unwrap() { return this; }

// Walks outwards through the containers without recursion, then builds the
// name from the outermost container inwards.
ScopedName* Declarator::get_full_name() const {
    std::vector<Id*> names;
    const Declarator* d = this;
    for (;;) {
        names.push_back(&d->get_name());
        if (!d->is_type() || !d->typespec || !d->typespec->has_decl()) break;
        const Decl& decl = d->typespec->get_decl();
        if (!decl.has_container()) break;
        TypeSpec& c = decl.get_container();
        if (!c.defines_name()) msg::panic("Declarator::get_full_name/%s", c.abbrev_text().chars());
        d = &c.get_declarator();
    }
    ScopedName* full = new ScopedName(1, *names.back());
    for (size_t i = names.size() - 1; i-- > 0;) full->append(*names[i]);
    return full;
}

void Declarator::set_envfile(EnvFile* f) {
    if (envfile) msg::panic(get_loc(), "set_envfile but set already");
    envfile = f;
}

void Declarator::here_is_defn() const {
    String text = typespec && typespec->has_decl() ? typespec->get_decl().abbrev_text() : abbrev_text();
    msg::inform(get_loc(), "... here is the definition: %s", text.chars());
}

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

// SimpleDeclarator

SimpleDeclarator::SimpleDeclarator(Id& name, Description& desc) : Declarator(name, desc) {}

// Only a typedef of a scoped name may be redeclared, and then as the named
// declarator allows; typedef chains are followed without recursion.
bool SimpleDeclarator::overload_ok(Declarator& other) {
    Declarator* d = this;
    while (SimpleDeclarator::is(*d)) {
        if (!d->is_typedefd() || !ScopedNameTypeSpec::is(d->get_typespec())) return false;
        ScopedName& name = ScopedNameTypeSpec::narrow(d->get_typespec()).get_scoped_name();
        if (!name.is_resolved()) return false;
        d = name.get_declarator();
    }
    return d->overload_ok(other);
}

Declarator* SimpleDeclarator::resolve(const Id& id) {
    return is_typedefd() ? get_typespec().resolve(id) : nullptr;
}

// Follows typedefs of scoped names to the final declarator, iteratively so
// that long typedef chains cost no stack.
Declarator* SimpleDeclarator::unwrap() {
    Declarator* d = this;
    while (SimpleDeclarator::is(*d)) {
        if (!d->has_typespec()) return d;
        TypeSpec& ts = d->get_typespec();
        if (ts.defines_name()) return ts.unwrap();
        if (!d->is_typedefd() || !ScopedNameTypeSpec::is(ts)) return d;
        d = ScopedNameTypeSpec::narrow(ts).get_scoped_name().get_declarator();
    }
    return d->unwrap();
}

void SimpleDeclarator::print(std::ostream& out) const { out << get_name(); }

SimpleDeclarator& SimpleDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("SimpleDeclarator");
    return static_cast<SimpleDeclarator&>(d);
}
const SimpleDeclarator& SimpleDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("SimpleDeclarator");
    return static_cast<const SimpleDeclarator&>(d);
}

// EnumEntryDeclarator

EnumEntryDeclarator::EnumEntryDeclarator(Id& name, EnumTypeSpec& type)
    : Declarator(name, Description::null), type(&type) {
    set_typespec(type);
}

void EnumEntryDeclarator::print(std::ostream& out) const { out << get_name(); }

EnumEntryDeclarator& EnumEntryDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("EnumEntryDeclarator");
    return static_cast<EnumEntryDeclarator&>(d);
}
const EnumEntryDeclarator& EnumEntryDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("EnumEntryDeclarator");
    return static_cast<const EnumEntryDeclarator&>(d);
}

// TypeSpecDeclarator

TypeSpecDeclarator::TypeSpecDeclarator(Id& name, Description& desc, TypeSpec& type) : Declarator(name, desc) {
    set_typespec(type);
}

bool TypeSpecDeclarator::is_data_type() const { return get_typespec().is_data_type(); }

bool TypeSpecDeclarator::overload_ok(Declarator& other) { return get_typespec().overload_ok(other); }

Declarator* TypeSpecDeclarator::resolve(const Id& id) { return get_typespec().resolve(id); }

Declarator* TypeSpecDeclarator::unwrap() { return get_typespec().unwrap(); }

void TypeSpecDeclarator::print(std::ostream& out) const { out << get_name(); }

TypeSpecDeclarator& TypeSpecDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("TypeSpecDeclarator");
    return static_cast<TypeSpecDeclarator&>(d);
}
const TypeSpecDeclarator& TypeSpecDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("TypeSpecDeclarator");
    return static_cast<const TypeSpecDeclarator&>(d);
}

// BadDeclarator

void BadDeclarator::print(std::ostream& out) const { out << get_name(); }

BadDeclarator& BadDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("BadDeclarator");
    return static_cast<BadDeclarator&>(d);
}
const BadDeclarator& BadDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("BadDeclarator");
    return static_cast<const BadDeclarator&>(d);
}

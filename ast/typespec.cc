#include "typespec.h"

#include <ostream>

#include "expr.h"
#include "msg.h"
#include "scope.h"
#include "scopedname.h"
#include "value.h"

// TypeSpec

const char* TypeSpec::tag_name(TypeSpecTag tag) {
    switch (tag) {
    case Base_TypeSpecTag: return "BaseTypeSpec";
    case Builtin_TypeSpecTag: return "BuiltinTypeSpec";
    case Enum_TypeSpecTag: return "EnumTypeSpec";
    case Exception_TypeSpecTag: return "ExceptionTypeSpec";
    case Forward_TypeSpecTag: return "ForwardTypeSpec";
    case Import_TypeSpecTag: return "ImportTypeSpec";
    case Interface_TypeSpecTag: return "InterfaceTypeSpec";
    case Module_TypeSpecTag: return "ModuleTypeSpec";
    case ScopedName_TypeSpecTag: return "ScopedNameTypeSpec";
    case Sequence_TypeSpecTag: return "SequenceTypeSpec";
    case Struct_TypeSpecTag: return "StructTypeSpec";
    case String_TypeSpecTag: return "StringTypeSpec";
    case Union_TypeSpecTag: return "UnionTypeSpec";
    case Void_TypeSpecTag: return "VoidTypeSpec";
    }
    return "TypeSpec";
}

bool TypeSpec::operator==(TypeSpec& other) { return this == &other; }

Id& TypeSpec::get_name() const { msg::panic("TypeSpec::get_name"); }

Declarator& TypeSpec::get_declarator() const { msg::panic("TypeSpec::get_declarator"); }

Declarator* TypeSpec::unwrap() const { msg::panic(get_loc(), "TypeSpec::unwrap"); }

Decl& TypeSpec::get_decl() const {
    if (!decl) msg::panic("TypeSpec::get_decl");
    return *decl;
}

void TypeSpec::narrow_fault(const char* expected) const {
    msg::panic("TypeSpec::narrow_fault: expecting %s, found %s", expected, abbrev_text().chars());
}

#define TYPESPEC_NARROW(Class)                                 \
    Class& Class::narrow(TypeSpec& t) {                        \
        if (!is(t)) t.narrow_fault(#Class);                    \
        return static_cast<Class&>(t);                         \
    }                                                          \
    const Class& Class::narrow(const TypeSpec& t) {            \
        if (!is(t)) t.narrow_fault(#Class);                    \
        return static_cast<const Class&>(t);                   \
    }

TYPESPEC_NARROW(BaseTypeSpec)
TYPESPEC_NARROW(BuiltinTypeSpec)
TYPESPEC_NARROW(NamedTypeSpec)
TYPESPEC_NARROW(EnumTypeSpec)
TYPESPEC_NARROW(ExceptionTypeSpec)
TYPESPEC_NARROW(ForwardTypeSpec)
TYPESPEC_NARROW(ImportTypeSpec)
TYPESPEC_NARROW(InterfaceTypeSpec)
TYPESPEC_NARROW(ModuleTypeSpec)
TYPESPEC_NARROW(ScopedNameTypeSpec)
TYPESPEC_NARROW(SequenceTypeSpec)
TYPESPEC_NARROW(StructTypeSpec)
TYPESPEC_NARROW(StringTypeSpec)
TYPESPEC_NARROW(UnionTypeSpec)
TYPESPEC_NARROW(VoidTypeSpec)

// BaseTypeSpec

const char* BaseTypeSpec::keyword(BaseTypeSpec_tag tag) {
    static const char* const words[] = {"boolean", "char",  "double", "float",          "octet",         "any",
                                        "short",   "long",  "long long", "unsigned short", "unsigned long",
                                        "unsigned long long"};
    int i = static_cast<int>(tag);
    return i >= 0 && i < 12 ? words[i] : "???";
}

bool BaseTypeSpec::operator==(TypeSpec& other) {
    return BaseTypeSpec::is(other) && BaseTypeSpec::narrow(other).base_tag == base_tag;
}

void BaseTypeSpec::print(std::ostream& out) const { out << keyword(base_tag); }

// BuiltinTypeSpec

void BuiltinTypeSpec::print(std::ostream& out) const { out << "[[BUILTIN]]"; }

// VoidTypeSpec

bool VoidTypeSpec::operator==(TypeSpec& other) { return VoidTypeSpec::is(other); }

void VoidTypeSpec::print(std::ostream& out) const { out << "void"; }

// Bounds of strings and sequences: both absent, or both present with
// constant values that compare equal.
static bool same_bound(Expr* a, Expr* b) {
    if (!a || !b) return a == b;
    return a->has_const_value() && b->has_const_value() && a->get_const_value() == b->get_const_value();
}

// StringTypeSpec

StringTypeSpec::StringTypeSpec(Expr& bound) : bound(&bound), loc(bound.get_loc()) {}

bool StringTypeSpec::operator==(TypeSpec& other) {
    return StringTypeSpec::is(other) && same_bound(bound, StringTypeSpec::narrow(other).bound);
}

Expr& StringTypeSpec::get_upper_bound() const {
    if (!bound) msg::panic("StringTypeSpec::get_upper_bound");
    return *bound;
}

void StringTypeSpec::resolve_names(Scope& scope) {
    // The bound may name a constant; it is bound here so that its final
    // check can evaluate it.
    if (bound) bound->resolve_names(scope);
}

void StringTypeSpec::final_check() {
    if (bound) bound->final_check(ExprContext::bound);
}

void StringTypeSpec::print(std::ostream& out) const {
    out << "string";
    if (bound) out << "<" << *bound << ">";
}

// SequenceTypeSpec

bool SequenceTypeSpec::operator==(TypeSpec& other) {
    if (!SequenceTypeSpec::is(other)) return false;
    SequenceTypeSpec& s = SequenceTypeSpec::narrow(other);
    return *element == *s.element && same_bound(bound, s.bound);
}

Expr& SequenceTypeSpec::get_upper_bound() const {
    if (!bound) msg::panic("SequenceTypeSpec::get_upper_bound");
    return *bound;
}

void SequenceTypeSpec::resolve_names(Scope& scope) {
    element->resolve_names(scope);
    if (bound) bound->resolve_names(scope);
}

void SequenceTypeSpec::final_check() {
    element->final_check();
    if (bound) bound->final_check(ExprContext::bound);
}

void SequenceTypeSpec::print(std::ostream& out) const {
    out << "sequence <" << *element;
    if (bound) out << ", " << *bound;
    out << ">";
}

// ScopedNameTypeSpec

const SrcLoc& ScopedNameTypeSpec::get_loc() const { return name->get_loc(); }

// That of the declarator named; typedefs of further scoped names are
// followed without recursion.
bool ScopedNameTypeSpec::is_data_type() const {
    if (!name->is_resolved()) return true;
    Declarator* d = name->get_declarator();
    for (;;) {
        DeclaratorTag tag = d->get_tag();
        bool plain = tag == Array_DeclaratorTag || tag == Init_DeclaratorTag || tag == Op_DeclaratorTag ||
                     tag == Simple_DeclaratorTag;
        if (!plain || !d->is_typedefd() || !ScopedNameTypeSpec::is(d->get_typespec())) break;
        ScopedName& next = ScopedNameTypeSpec::narrow(d->get_typespec()).get_scoped_name();
        if (!next.is_resolved()) return true;
        d = next.get_declarator();
    }
    return d->is_data_type();
}

bool ScopedNameTypeSpec::is_named_scope() const {
    if (!name->is_resolved()) return false;
    Declarator* d = unwrap();
    return d->has_typespec() && d->get_typespec().is_named_scope();
}

Declarator* ScopedNameTypeSpec::resolve(const Id& id) const {
    if (!name->is_resolved()) return nullptr;
    return unwrap()->resolve(id);
}

void ScopedNameTypeSpec::resolve_names(Scope& scope) { name->resolve(scope); }

Declarator* ScopedNameTypeSpec::unwrap() const { return name->get_unwrapped_declarator(); }

void ScopedNameTypeSpec::print(std::ostream& out) const { out << *name; }

// NamedTypeSpec

NamedTypeSpec::NamedTypeSpec(Id& name, Description& desc)
    : name(&name), desc(&desc), declarator(new TypeSpecDeclarator(name, desc, *this)) {}

ScopedName& NamedTypeSpec::get_full_name() const {
    if (!full_name) full_name = declarator->get_full_name();
    return *full_name;
}

void NamedTypeSpec::declare_self(Scope& scope) { scope.declare(*declarator); }

// Two types of one kind may share a name when they are reached through
// different full names (one inherited, one defined here).
static bool different_full_names(const NamedTypeSpec& self, Declarator& other) {
    ScopedName* mine = self.get_declarator().get_full_name();
    ScopedName* theirs = other.get_full_name();
    return *mine != *theirs;
}

// StructTypeSpec

StructTypeSpec::StructTypeSpec(Id& name, Description& desc, DeclList& members)
    : NamedTypeSpec(name, desc), members(&members) {
    members.set_container(*this);
}

bool StructTypeSpec::overload_ok(Declarator& other) const { return different_full_names(*this, other); }

void StructTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    Scope inner(scope, "struct members", get_loc());
    members->resolve_names(inner);
}

void StructTypeSpec::final_check() { members->final_check(DeclaratorContext::struct_members); }

void StructTypeSpec::print(std::ostream& out) const {
    out << "struct " << get_name() << " { " << *members << " }";
}

// ExceptionTypeSpec

ExceptionTypeSpec::ExceptionTypeSpec(Id& name, Description& desc, DeclList& members)
    : NamedTypeSpec(name, desc), members(&members) {
    members.set_container(*this);
}

bool ExceptionTypeSpec::overload_ok(Declarator& other) const { return different_full_names(*this, other); }

Declarator* ExceptionTypeSpec::resolve(const Id& id) const { return members->resolve(id); }

void ExceptionTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    Scope inner(scope, "exception members", get_loc());
    members->resolve_names(inner);
}

void ExceptionTypeSpec::final_check() { members->final_check(DeclaratorContext::exception_members); }

void ExceptionTypeSpec::print(std::ostream& out) const {
    out << "exception " << get_name() << " { " << *members << " }";
}

// EnumTypeSpec

EnumTypeSpec::EnumTypeSpec(Id& name, Description& desc, IdList& enumerators)
    : NamedTypeSpec(name, desc), enumerators(&enumerators), entries(new DeclaratorList) {
    for (DLListIter<Id> it(enumerators); it; it.next()) entries->append(*new EnumEntryDeclarator(it.entry(), *this));
}

bool EnumTypeSpec::overload_ok(Declarator& other) const { return different_full_names(*this, other); }

Declarator* EnumTypeSpec::resolve(const Id& id) const {
    if (!indexed) {
        for (DLListIter<Declarator> it(*entries); it; it.next())
            index.emplace(it.entry().get_name().key(), &it.entry());
        indexed = true;
    }
    auto it = index.find(id.key());
    return it == index.end() ? nullptr : it->second;
}

void EnumTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    for (DLListIter<Declarator> it(*entries); it; it.next()) scope.declare(it.entry());
}

void EnumTypeSpec::print(std::ostream& out) const {
    out << "enum " << get_name() << " { " << *enumerators << " }";
}

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

bool UnionTypeSpec::overload_ok(Declarator& other) const { return different_full_names(*this, other); }

void UnionTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    switch_type->resolve_names(scope);
    Scope inner(scope, "union members", get_loc());
    for (DLListIter<UnionCase> it(*cases); it; it.next()) it.entry().resolve_names(inner);
}

void UnionTypeSpec::final_check() {
    switch_type->final_check();
    for (DLListIter<UnionCase> it(*cases); it; it.next()) it.entry().final_check();
}

void UnionTypeSpec::print(std::ostream& out) const {
    out << "union " << get_name() << " switch (" << *switch_type << ") { " << *cases << " }";
}

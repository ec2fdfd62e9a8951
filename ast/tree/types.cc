#include "ast/tree/types.h"

#include <ostream>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"

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
    case Fixed_TypeSpecTag: return "FixedTypeSpec";
    case ValueBox_TypeSpecTag: return "ValueBoxTypeSpec";
    case Value_TypeSpecTag: return "ValueTypeSpec";
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
TYPESPEC_NARROW(ValueBoxTypeSpec)
TYPESPEC_NARROW(ValueTypeSpec)
TYPESPEC_NARROW(ScopedNameTypeSpec)
TYPESPEC_NARROW(SequenceTypeSpec)
TYPESPEC_NARROW(StructTypeSpec)
TYPESPEC_NARROW(StringTypeSpec)
TYPESPEC_NARROW(UnionTypeSpec)
TYPESPEC_NARROW(VoidTypeSpec)

// NamedTypeSpec

NamedTypeSpec::NamedTypeSpec(Id& name, Description& desc)
    : name(&name), desc(&desc), declarator(new TypeSpecDeclarator(name, desc, *this)) {}

ScopedName& NamedTypeSpec::get_full_name() const {
    if (!full_name) full_name = declarator->get_full_name();
    return *full_name;
}

void NamedTypeSpec::declare_self(Scope& scope) { scope.declare(*declarator); }

Declarator* resolve_with_enumerators(const DeclList& decls, const Id& id) {
    if (Declarator* d = decls.resolve(id)) return d;
    return decls.resolve_enumerator(id);
}

// Two types of one kind may share a name when they are reached through
// different full names (one inherited, one defined here).
bool NamedTypeSpec::full_name_differs(Declarator& other) const {
    ScopedName* theirs = other.get_full_name();
    return get_full_name() != *theirs;
}

// Bounds of strings and sequences match when both are absent, or both are
// present with constant values that compare equal.
bool TypeSpec::same_bound(Expr* a, Expr* b) {
    if (!a || !b) return a == b;
    return a->has_const_value() && b->has_const_value() && a->get_const_value() == b->get_const_value();
}

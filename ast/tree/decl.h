// Declarations: one type paired with the names declared with
// it and an attribute word, and the lists of them.
#ifndef QUORVEX_AST_DECL_H
#define QUORVEX_AST_DECL_H

#include <iosfwd>

#include "ast/tree/astitem.h"
#include "ast/tree/printable.h"
#include "lib/AddressMap.h"
#include "lib/String.h"
#include "lib/dllist.h"

class Declarator;
class Id;
class Scope;
class TypeSpec;

// What the place of a declarator demands: whether it must declare data, and
// the name of the enclosing construct for messages.
class DeclaratorContext {
public:
    DeclaratorContext(int data_required, const char* name) : data_required(data_required), name(name) {}

    int requires_data() const { return data_required; }
    const char* get_name() const { return name; }

    static const DeclaratorContext any;
    static const DeclaratorContext struct_members;
    static const DeclaratorContext union_members;
    static const DeclaratorContext exception_members;

private:
    int data_required;
    const char* name;
};

// A list of declarators, printed with "," between them.
class DeclaratorList : public DLList<Declarator>, public Printable {
public:
    DeclaratorList() = default;
    explicit DeclaratorList(Declarator& first) : DLList<Declarator>(first) {}

    // Gives every declarator of the list its type.
    void set_typespec(TypeSpec& ts);
    void print(std::ostream& out) const override;
};

class Decl : public ASTItem {
public:
    // Attribute words.  A word is compared as a whole value, except for the
    // typedef, readonly and class-procedure bits.
    enum : unsigned {
        PLAIN = 0,
        ATTRIBUTE = 0x1,
        CONST = 0x2,
        CLASSPROC = 0x4,
        ONEWAY = 0x10,
        READONLY = 0x20,
        READONLY_ATTRIBUTE = 0x21,
        TYPEDEF = 0x40,
        // In a value type (-fcorba3): a public or private state member, an
        // initializer ("factory").
        STATE_PUBLIC = 0x100,
        STATE_PRIVATE = 0x200,
        FACTORY = 0x400,
        PARAM_IN = 0x10000,
        PARAM_OUT = 0x10001,
        PARAM_INOUT = 0x10002,
        PARAM_BORROW = 0x10003,
        PARAM_CONSUME = 0x10004,
        PARAM_COPY = 0x10005,
        PARAM_PRODUCE = 0x10006
    };

    explicit Decl(TypeSpec& ts);
    Decl(TypeSpec& ts, DeclaratorList& declarators);
    Decl(unsigned flags, TypeSpec& ts, DeclaratorList& declarators);

    TypeSpec& get_typespec() const { return *typespec; }
    unsigned get_flags() const { return flags; }
    DeclaratorList& get_declarators() const { return *declarators; }
    bool is_typedef() const { return (flags & TYPEDEF) != 0; }
    bool is_readonly() const { return (flags & READONLY) != 0; }
    bool is_class_procedure() const { return (flags & CLASSPROC) != 0; }
    bool is_error() const { return this == &error; }

    bool has_container() const { return container != nullptr; }
    TypeSpec& get_container() const;
    void set_container(TypeSpec& c);

    // The declarator named id: the type's own when it defines that name,
    // else the first of the list so named; null if none.
    Declarator* resolve(const Id& id) const;
    void resolve_names(Scope& scope);
    void final_check(const DeclaratorContext& ctx);

    // The word's text, the type, then the declarators.
    void print(std::ostream& out) const override;

    // Stands for a declaration lost to a syntax error.
    static Decl error;

private:
    unsigned flags;
    TypeSpec* typespec;
    DeclaratorList* declarators;
    TypeSpec* container = nullptr;
};

class DeclList : public DLList<Decl>, public Printable {
public:
    DeclList() = default;
    explicit DeclList(Decl& first) : DLList<Decl>(first) {}

    Declarator* resolve(const Id& id) const;
    // The first enumerator named id of the enums declared in the list.
    Declarator* resolve_enumerator(const Id& id) const;
    void resolve_names(Scope& scope);
    void final_check(const DeclaratorContext& ctx);
    void set_container(TypeSpec& c);
    bool is_null() const { return this == &null; }

    // Each declaration followed by "; ".
    void print(std::ostream& out) const override;

    // The shared empty list (no exports, no members).
    static DeclList null;

private:
    // Lookups by name in long lists go through an index of the first
    // declarator of each name, rebuilt when the list has grown.
    void build_index() const;
    mutable AddressMap<Declarator*> index;
    mutable int indexed_length = -1;
    // The enumerators' index, made on the first search for one.
    mutable AddressMap<Declarator*>* enumerators = nullptr;
    mutable int enumerators_length = -1;
};

// The parameter attribute words spelt as identifiers.
class ParameterAttribute {
public:
    // 0x10003 to 0x10006 for borrow, consume, copy and produce; anything
    // else is reported and yields 0.
    static unsigned parse(const Id& id);
};

#endif

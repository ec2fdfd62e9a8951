// Declarators: each names one thing (a typedef name, a member, an
// operation, a constant, an enumerator, a named type).  The generators
// switch on get_tag().
#ifndef QUORVEX_AST_DECLARATOR_H
#define QUORVEX_AST_DECLARATOR_H

#include <iosfwd>
#include <vector>

#include "ast/expr/exprcontext.h"
#include "ast/input/description.h"
#include "ast/names/id.h"
#include "ast/tree/astitem.h"
#include "ast/tree/decl.h"
#include "ast/tree/printable.h"
#include "lib/String.h"
#include "lib/tbl.h"

class EnumTypeSpec;
class EnvAttr;
class EnvFile;
class ExceptionTypeSpec;
class Expr;
class ExprList;
class Scope;
class ScopedName;
class ScopedNameList;
class StringValueList;
class TypeSpec;

enum DeclaratorTag {
    Array_DeclaratorTag = 0,
    Init_DeclaratorTag = 1,
    Op_DeclaratorTag = 2,
    Simple_DeclaratorTag = 3,
    EnumEntry_DeclaratorTag = 4,
    TypeSpec_DeclaratorTag = 5,
    Bad_DeclaratorTag = 6
};

// The exceptions an operation raises, keyed by the exception type.
class ExceptionTypeSpecTbl : public Tbl<const ExceptionTypeSpec*, ExceptionTypeSpec> {};

class Declarator : public ASTItem {
public:
    Declarator(Id& name, Description& desc);

    virtual bool is_data() const;
    virtual bool is_data_type() const;
    virtual bool is_type() const;
    virtual void final_check(const DeclaratorContext& ctx);
    virtual bool overload_ok(Declarator& other);
    virtual Declarator* resolve(const Id& id);
    virtual void resolve_names(Scope& scope);
    virtual Declarator* unwrap();
    // A new scoped name: the container's full name followed by this name for
    // a type nested in a module, interface, struct, union or exception;
    // otherwise the global name of the one identifier.
    virtual ScopedName* get_full_name() const;
    virtual DeclaratorTag get_tag() const = 0;

    Id& get_name() const { return *name; }
    const SrcLoc& get_loc() const { return name->get_loc(); }
    Description& get_desc() const { return *desc; }
    bool has_typespec() const { return typespec != nullptr; }
    TypeSpec& get_typespec() const;
    void set_typespec(TypeSpec& ts);
    Decl& get_decl() const;
    // Bit tests on the attribute word of the declarator's Decl.
    bool is_typedefd() const;
    bool is_readonly() const;

    void set_envfile(EnvFile* f);
    EnvFile* get_envfile() const { return envfile; }
    // The declarator's own annotation for key, else what its environment
    // file answers for its full name; null if none.
    EnvAttr* get_env_attr(const String& key, int flag) const;
    // Attaches an annotation; a key given twice is reported.
    void set_env_attr(const EnvAttr& attr);

    // Informs "... here is the definition: %s" at this declarator.
    void here_is_defn() const;

    // The shared placeholder bound to names that failed to resolve.
    static Declarator& bad;

    static const char* tag_name(DeclaratorTag tag);

    // Ends the run: a declarator was narrowed to a class it is not.
    [[noreturn]] void narrow_fault(const char* expected) const;

private:
    Id* name;
    Description* desc;
    TypeSpec* typespec = nullptr;
    EnvFile* envfile = nullptr;
};

class ArrayDeclarator : public Declarator {
public:
    ArrayDeclarator(Id& name, Description& desc, ExprList& sizes);

    void final_check(const DeclaratorContext& ctx) override;
    void resolve_names(Scope& scope) override;
    DeclaratorTag get_tag() const override { return Array_DeclaratorTag; }
    void print(std::ostream& out) const override;

    ExprList& get_sizes() const { return *sizes; }
    int get_dimension_count() const { return count; }
    // The evaluated sizes, in bracket order, after a successful final check.
    const std::vector<int>& get_bounds() const { return bounds; }

    static bool is(const Declarator& d) { return d.get_tag() == Array_DeclaratorTag; }
    static ArrayDeclarator& narrow(Declarator& d);
    static const ArrayDeclarator& narrow(const Declarator& d);

private:
    ExprList* sizes;
    int count;
    std::vector<int> bounds;
};

class InitDeclarator : public Declarator {
public:
    InitDeclarator(Id& name, Description& desc, Expr& value);

    void final_check(const DeclaratorContext& ctx) override;
    void resolve_names(Scope& scope) override;
    DeclaratorTag get_tag() const override { return Init_DeclaratorTag; }
    void print(std::ostream& out) const override;

    Expr& get_expr() const { return *value; }
    // The type the constant's value has after typedef names: a base type,
    // a string or an enum; null for any other.
    const TypeSpec* value_type() const;
    // True when the constant is of a 64-bit integer type, whose expression
    // computes in 64 bits.
    bool holds_wide() const;
    // The context the constant's expression is checked in: constant data,
    // computed in 64 bits for a 64-bit type; an enum constant names an
    // enumerator, which is data without a computed value.
    ExprContext value_context() const;

    static bool is(const Declarator& d) { return d.get_tag() == Init_DeclaratorTag; }
    static InitDeclarator& narrow(Declarator& d);
    static const InitDeclarator& narrow(const Declarator& d);

private:
    void check_real_range(const TypeSpec& type) const;
    void check_fixed_value(const TypeSpec& type) const;
    void check_int_range(const TypeSpec& type) const;
    void check_enumerator(const TypeSpec& type) const;

    Expr* value;
};

class OpDeclarator : public Declarator {
public:
    OpDeclarator(Id& name, Description& desc, DeclList& params, ScopedNameList& raises,
                 StringValueList& context);

    void final_check(const DeclaratorContext& ctx) override;
    void resolve_names(Scope& scope) override;
    DeclaratorTag get_tag() const override { return Op_DeclaratorTag; }
    void print(std::ostream& out) const override;

    DeclList& get_params() const { return *params; }
    ScopedNameList& get_raises() const { return *raises; }
    StringValueList& get_context() const { return *context; }
    const ExceptionTypeSpecTbl& get_exc_tbl() const { return exc_tbl; }
    bool is_oneway() const;

    static bool is(const Declarator& d) { return d.get_tag() == Op_DeclaratorTag; }
    static OpDeclarator& narrow(Declarator& d);
    static const OpDeclarator& narrow(const Declarator& d);

private:
    DeclList* params;
    ScopedNameList* raises;
    StringValueList* context;
    ExceptionTypeSpecTbl exc_tbl;
};

class SimpleDeclarator : public Declarator {
public:
    SimpleDeclarator(Id& name, Description& desc);

    bool overload_ok(Declarator& other) override;
    Declarator* resolve(const Id& id) override;
    Declarator* unwrap() override;
    DeclaratorTag get_tag() const override { return Simple_DeclaratorTag; }
    void print(std::ostream& out) const override;

    static bool is(const Declarator& d) { return d.get_tag() == Simple_DeclaratorTag; }
    static SimpleDeclarator& narrow(Declarator& d);
    static const SimpleDeclarator& narrow(const Declarator& d);
};

class EnumEntryDeclarator : public Declarator {
public:
    EnumEntryDeclarator(Id& name, EnumTypeSpec& type);

    bool is_data() const override { return true; }
    bool is_data_type() const override { return false; }
    bool is_type() const override { return false; }
    DeclaratorTag get_tag() const override { return EnumEntry_DeclaratorTag; }
    void print(std::ostream& out) const override;

    EnumTypeSpec& get_enum() const { return *type; }

    static bool is(const Declarator& d) { return d.get_tag() == EnumEntry_DeclaratorTag; }
    static EnumEntryDeclarator& narrow(Declarator& d);
    static const EnumEntryDeclarator& narrow(const Declarator& d);

private:
    EnumTypeSpec* type;
};

// The name of a named type (module, interface, struct, ...).
class TypeSpecDeclarator : public Declarator {
public:
    TypeSpecDeclarator(Id& name, Description& desc, TypeSpec& type);

    bool is_data() const override { return false; }
    bool is_data_type() const override;
    bool is_type() const override { return true; }
    bool overload_ok(Declarator& other) override;
    Declarator* resolve(const Id& id) override;
    Declarator* unwrap() override;
    DeclaratorTag get_tag() const override { return TypeSpec_DeclaratorTag; }
    void print(std::ostream& out) const override;

    static bool is(const Declarator& d) { return d.get_tag() == TypeSpec_DeclaratorTag; }
    static TypeSpecDeclarator& narrow(Declarator& d);
    static const TypeSpecDeclarator& narrow(const Declarator& d);
};

class BadDeclarator : public Declarator {
public:
    BadDeclarator(Id& name, Description& desc) : Declarator(name, desc) {}

    bool is_type() const override { return false; }
    DeclaratorTag get_tag() const override { return Bad_DeclaratorTag; }
    void print(std::ostream& out) const override;

    static bool is(const Declarator& d) { return d.get_tag() == Bad_DeclaratorTag; }
    static BadDeclarator& narrow(Declarator& d);
    static const BadDeclarator& narrow(const Declarator& d);
};

#endif

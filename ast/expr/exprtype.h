// The static type of a constant expression: data of a type (a TypeSpec), or
// a declarator for a name that denotes an array, an operation, a typedef'd
// name or a named type; undefined when neither.
#ifndef QUORVEX_AST_EXPRTYPE_H
#define QUORVEX_AST_EXPRTYPE_H

#include <iosfwd>

#include "ast/tree/printable.h"

class TypeSpec;
class Declarator;

class ExprType : public Printable {
public:
    // The undefined type.
    ExprType() = default;
    // Data of a type; a scoped name stands for the type of the declarator
    // it unwraps to, and is undefined when that declarator is no type.
    explicit ExprType(const TypeSpec& ts);
    // What a name denotes, by the declarator's kind; n is the number of
    // array dimensions (0: all of them).
    ExprType(const Declarator& d, int n);

    static const ExprType undefinedET;

    TypeSpec* get_typespec() const { return typespec; }
    Declarator* get_declarator() const { return declarator; }
    int get_dimensions() const { return dimensions; }

    bool is_valid() const { return typespec != nullptr || declarator != nullptr; }
    bool is_any_data() const;
    bool is_simple_data() const;
    bool is_any_int() const;
    // An integer type or octet: what the integer operators take.
    bool is_integer() const;
    bool is_bool() const;
    bool is_char() const;
    bool is_numeric() const;
    bool is_string() const;
    bool is_void() const;

    // Numeric rank: short 1, unsigned short 2, long 3, unsigned long 4,
    // long long 5, unsigned long long 6, float 7, double 8; 0 otherwise.
    int size() const;

    // Both numeric: the one of higher rank (a on a tie); else a when the
    // two are equal; else undefined.
    static ExprType merge(const ExprType& a, const ExprType& b);

    bool operator==(const ExprType& other) const;
    bool operator!=(const ExprType& other) const { return !(*this == other); }

    // The type's text, or "undefined".
    void print(std::ostream& out) const override;

    // The types of literals (boolean, char, long, float, string, and with
    // -fcorba3 fixed).
    static ExprType boolean_type();
    static ExprType char_type();
    static ExprType long_type();
    static ExprType float_type();
    static ExprType string_type();
    static ExprType fixed_type();

private:
    // The base-type tag of the type, or -1 when it is not a base type.
    int base_tag() const;

    TypeSpec* typespec = nullptr;
    Declarator* declarator = nullptr;
    int dimensions = 0;
};

#endif

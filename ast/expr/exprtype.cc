#include "ast/expr/exprtype.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

const ExprType ExprType::undefinedET;

ExprType::ExprType(const TypeSpec& ts) : typespec(const_cast<TypeSpec*>(&ts)) {
    if (ScopedNameTypeSpec::is(ts)) {
        // A name that failed to resolve was reported already; a name used as
        // a type that names no type (a constant, an attribute) leaves the type
        // undefined for the expression to report.
        Declarator* d = ts.unwrap();
        typespec = d && d != &Declarator::bad && d->is_type() ? &d->get_typespec() : nullptr;
    }
}

ExprType::ExprType(const Declarator& cd, int n) {
    Declarator& d = const_cast<Declarator&>(cd);
    switch (d.get_tag()) {
    case Array_DeclaratorTag:
        declarator = &d;
        dimensions = n ? n : ArrayDeclarator::narrow(d).get_dimension_count();
        break;
    case Init_DeclaratorTag:
        *this = ExprType(d.get_typespec());
        break;
    case Op_DeclaratorTag:
    case TypeSpec_DeclaratorTag:
        declarator = &d;
        break;
    case Simple_DeclaratorTag:
        if (d.is_typedefd())
            declarator = &d;
        else
            *this = ExprType(d.get_typespec());
        break;
    case EnumEntry_DeclaratorTag:
        *this = ExprType(static_cast<const TypeSpec&>(EnumEntryDeclarator::narrow(d).get_enum()));
        break;
    case Bad_DeclaratorTag:
        msg::panic("ExprType::ExprType/%s", Declarator::tag_name(d.get_tag()));
    }
}

int ExprType::base_tag() const {
    if (!typespec || !BaseTypeSpec::is(*typespec)) return -1;
    return BaseTypeSpec::narrow(*typespec).get_base_tag();
}

bool ExprType::is_any_data() const {
    if (typespec) return true;
    return declarator && !declarator->is_type() && !OpDeclarator::is(*declarator);
}

bool ExprType::is_simple_data() const {
    if (!typespec) return false;
    TypeSpecTag t = typespec->get_tag();
    return t == Base_TypeSpecTag || t == Enum_TypeSpecTag || t == String_TypeSpecTag;
}

bool ExprType::is_any_int() const {
    int t = base_tag();
    return t >= short_BaseTypeSpec && t <= ulonglong_BaseTypeSpec;
}

bool ExprType::is_integer() const { return is_any_int() || base_tag() == octet_BaseTypeSpec; }

bool ExprType::is_bool() const { return base_tag() == boolean_BaseTypeSpec; }
bool ExprType::is_char() const { return base_tag() == char_BaseTypeSpec || base_tag() == wchar_BaseTypeSpec; }

bool ExprType::is_numeric() const {
    int t = base_tag();
    return t == double_BaseTypeSpec || t == float_BaseTypeSpec || is_integer();
}

bool ExprType::is_string() const { return typespec && typespec->get_tag() == String_TypeSpecTag; }
bool ExprType::is_void() const { return typespec && typespec->get_tag() == Void_TypeSpecTag; }

int ExprType::size() const {
    switch (base_tag()) {
    case short_BaseTypeSpec: return 1;
    case ushort_BaseTypeSpec: return 2;
    case long_BaseTypeSpec: return 3;
    case ulong_BaseTypeSpec: return 4;
    case longlong_BaseTypeSpec: return 5;
    case ulonglong_BaseTypeSpec: return 6;
    case float_BaseTypeSpec: return 7;
    case double_BaseTypeSpec: return 8;
    default: return 0;
    }
}

ExprType ExprType::merge(const ExprType& a, const ExprType& b) {
    if (a.is_numeric() && b.is_numeric()) return b.size() > a.size() ? b : a;
    if (a == b) return a;
    return undefinedET;
}

bool ExprType::operator==(const ExprType& other) const {
    if (declarator != other.declarator || dimensions != other.dimensions) return false;
    if (typespec == other.typespec) return true;
    if (!typespec || !other.typespec) return false;
    return *typespec == *other.typespec;
}

void ExprType::print(std::ostream& out) const {
    if (typespec)
        out << *typespec;
    else if (declarator)
        out << *declarator;
    else
        out << "undefined";
    if (dimensions) out << "[" << dimensions << "]";
}

// The literal types are shared type specs that belong to no declaration.
ExprType ExprType::boolean_type() {
    static TypeSpec* t = new BaseTypeSpec(boolean_BaseTypeSpec, SrcLoc());
    return ExprType(*t);
}

ExprType ExprType::char_type() {
    static TypeSpec* t = new BaseTypeSpec(char_BaseTypeSpec, SrcLoc());
    return ExprType(*t);
}

ExprType ExprType::long_type() {
    static TypeSpec* t = new BaseTypeSpec(long_BaseTypeSpec, SrcLoc());
    return ExprType(*t);
}

ExprType ExprType::float_type() {
    static TypeSpec* t = new BaseTypeSpec(float_BaseTypeSpec, SrcLoc());
    return ExprType(*t);
}

ExprType ExprType::fixed_type() {
    static TypeSpec* t = new FixedTypeSpec(SrcLoc());
    return ExprType(*t);
}

ExprType ExprType::string_type() {
    static TypeSpec* t = new StringTypeSpec(SrcLoc());
    return ExprType(*t);
}

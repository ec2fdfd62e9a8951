#include "idlgen/java/core/JavaExpr.h"

#include <climits>
#include <cstdio>
#include <ostream>
#include <set>
#include <string>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"

void JavaExpr::print(std::ostream& out) const { printWithPriority(out, Expr_primary_priority); }

// A constant declared in an interface is a field of the interface; any
// other constant has a class of its own whose field "value" holds it.
static void printName(std::ostream& out, const ScopedNameExpr& e) {
    const Declarator* d = e.get_name().get_declarator();
    if (InitDeclarator::is(*d)) {
        bool inInterface = d->has_typespec() && d->get_typespec().has_decl() &&
                           d->get_typespec().get_decl().has_container() &&
                           InterfaceTypeSpec::is(d->get_typespec().get_decl().get_container());
        out << JavaName(*d);
        if (!inInterface) out << JavaLib::javaNameSeparator() << JavaLib::constAccessor();
    } else {
        out << JavaName(*d);
    }
}

// Expressions nest deeply only up to Expr::max_depth, which the tree
// enforces when it builds them.
void JavaExpr::printWithPriority(std::ostream& out, int priority) const {
    int own = expr->get_priority();
    bool parens = own <= priority;
    if (parens) out << "(";
    switch (expr->get_tag()) {
    case ScopedNameExpr_tag:
        printName(out, ScopedNameExpr::narrow(*expr));
        break;
    case BinaryOpExpr_tag: {
        const BinaryOpExpr& b = BinaryOpExpr::narrow(*expr);
        JavaExpr(b.get_left()).printWithPriority(out, own);
        out << " " << Expr::binary_op_text(b.get_op()) << " ";
        JavaExpr(b.get_right()).printWithPriority(out, own);
        break;
    }
    case UnaryOpExpr_tag: {
        const UnaryOpExpr& u = UnaryOpExpr::narrow(*expr);
        // A signed fixed-point literal is one BigDecimal.
        if (u.has_const_value() && FixedValue::is(u.get_const_value())) {
            printValue(out, u.get_const_value());
            break;
        }
        out << Expr::unary_op_text(u.get_op());
        JavaExpr(u.get_operand()).printWithPriority(out, own);
        break;
    }
    case ValueExpr_tag:
        printValue(out, ValueExpr::narrow(*expr).get_value());
        break;
    case DefaultExpr_tag:
        msg::panic("JavaExpr::print: default label");
    }
    if (parens) out << ")";
}

// An integer literal's text as a Java long literal.  Java reads a decimal
// literal as a signed long, so an unsigned long long above 2^63-1 is
// written in hexadecimal, which Java reads back to the same 64 bits.  A
// literal of more than 64 bits fits no IDL integer type and no Java
// literal: it is an error, reported once.
static void printIntText(std::ostream& out, const IntValue& literal) {
    const std::string& s = literal.get_text().str();
    unsigned base = 10;
    size_t at = 0;
    if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        at = 2;
    } else if (!s.empty() && s[0] == '0') {
        base = 8;
    }
    unsigned long long value = 0;
    bool fits = true;
    for (; at < s.size(); ++at) {
        char ch = s[at];
        unsigned digit = ch >= '0' && ch <= '9'   ? static_cast<unsigned>(ch - '0')
                         : ch >= 'a' && ch <= 'f' ? static_cast<unsigned>(ch - 'a' + 10)
                         : ch >= 'A' && ch <= 'F' ? static_cast<unsigned>(ch - 'A' + 10)
                                                  : 99;
        if (digit >= base) break;
        if (value > (ULLONG_MAX - digit) / base) fits = false;
        value = value * base + digit;
    }
    if (!fits) {
        static std::set<const IntValue*> reported;
        if (reported.insert(&literal).second)
            msg::error(literal.get_loc(), "integer literal %s does not fit in 64 bits", s.c_str());
    } else if (base == 10 && value > static_cast<unsigned long long>(LLONG_MAX)) {
        char hex[24];
        std::snprintf(hex, sizeof hex, "0x%016llX", value);
        out << hex;
        return;
    }
    out << s;
}

// True when a floating literal's digits before its exponent are not all
// zero: such a literal whose value is 0 lies below the smallest double.
static bool hasNonZeroMantissa(const String& text) {
    for (char c : text.str()) {
        if (c == 'e' || c == 'E') break;
        if (c >= '1' && c <= '9') return true;
    }
    return false;
}

void JavaExpr::printValue(std::ostream& out, const Value& v) {
    switch (v.get_tag()) {
    case BoolValue_tag:
        out << (BoolValue::narrow(v).get_value() ? JavaLib::trueLiteral() : JavaLib::falseLiteral());
        break;
    case IntValue_tag: {
        const IntValue& i = IntValue::narrow(v);
        if (i.has_text())
            printIntText(out, i);
        else
            out << i.get_value();
        out << "L";
        break;
    }
    case RealValue_tag: {
        const RealValue& r = RealValue::narrow(v);
        if (r.has_text() && r.get_value() == 0 && hasNonZeroMantissa(r.get_text()))
            out << "0.0";  // below the smallest double: Java refuses the literal
        else if (r.has_text())
            out << r.get_text();
        else
            out << r.get_value();
        out << "D";
        break;
    }
    // Characters and strings in the escapes Java knows.
    case CharValue_tag:
        CharValue::narrow(v).print_java(out);
        break;
    case StringValue_tag:
        StringValue::narrow(v).print_java(out);
        break;
    case FixedValue_tag:
        out << "new " << JavaLib::bigDecimal() << "(\"" << FixedValue::narrow(v).decimal_text() << "\")";
        break;
    }
}

JavaExprList::JavaExprList(const ExprList& exprs) {
    for (DLListIter<Expr> it(exprs); it; it.next()) append(JavaExpr::project(it.entry()));
}

JavaExprList::JavaExprList(const Expr& single) { append(JavaExpr::project(single)); }

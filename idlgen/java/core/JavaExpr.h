// Projection of a constant expression: prints it as Java text, with one
// outer pair of parentheses, integer literals with "L", floating ones with
// "D", constants by the field that holds them and enumerators by their
// enum object.
#ifndef QUORVEX_IDLGEN_JAVAEXPR_H
#define QUORVEX_IDLGEN_JAVAEXPR_H

#include <iosfwd>

#include "ast/tree/printable.h"
#include "idlgen/java/core/JavaProjection.h"
#include "lib/dllist.h"

class Expr;
class ExprList;
class Value;

class JavaExpr : public Printable {
public:
    static JavaExpr& project(const Expr& e) {
        return projectionOf<JavaExpr>(e, [&] { return new JavaExpr(e); });
    }

    const Expr& getExpr() const { return *expr; }
    void print(std::ostream& out) const override;
    // Prints the expression, in parentheses unless its own priority is
    // higher than `priority`.
    void printWithPriority(std::ostream& out, int priority) const;

    // A literal value as Java text.
    static void printValue(std::ostream& out, const Value& v);

private:
    explicit JavaExpr(const Expr& e) : expr(&e) {}
    const Expr* expr;
};

class JavaExprList : public DLList<JavaExpr> {
public:
    JavaExprList() = default;
    explicit JavaExprList(const ExprList& exprs);
    explicit JavaExprList(const Expr& single);
};

#endif

// Constant expressions: trees of operators over values and names, as they
// appear in constant declarations, array sizes, sequence and string bounds
// and union case labels.  The final check computes each expression's type
// and, where possible, its constant value.
#ifndef QUORVEX_AST_EXPR_H
#define QUORVEX_AST_EXPR_H

#include <iosfwd>

#include "ast/expr/exprcontext.h"
#include "ast/expr/exprtype.h"
#include "ast/expr/value.h"
#include "lib/msg.h"
#include "lib/srcloc.h"
#include "ast/tree/astitem.h"
#include "ast/tree/printable.h"
#include "lib/dllist.h"

class Scope;
class ScopedName;

enum ExprTag {
    BinaryOpExpr_tag = 0,
    DefaultExpr_tag = 1,
    ScopedNameExpr_tag = 2,
    UnaryOpExpr_tag = 3,
    ValueExpr_tag = 4
};

// Operator codes as the grammar passes them.
enum BinaryOp {
    BinaryOp_multiply = 0,
    BinaryOp_divide = 1,
    BinaryOp_modulus = 2,
    BinaryOp_plus = 3,
    BinaryOp_minus = 4,
    BinaryOp_leftshift = 5,
    BinaryOp_rightshift = 6,
    BinaryOp_bitand = 7,
    BinaryOp_bitxor = 8,
    BinaryOp_bitor = 9
};

enum UnaryOp {
    UnaryOp_plus = 0,
    UnaryOp_minus = 1,
    UnaryOp_lognot = 2,
    UnaryOp_bitcompl = 3
};

// Priorities of expressions for printing: operators bind by priority;
// unary and primary expressions have the highest.
enum { Expr_primary_priority = 8 };

class Expr : public ASTItem {
public:
    // Deepest nesting of operators accepted in one expression; deeper
    // expressions are reported when built and never walked.
    enum { max_depth = 1000 };
    // Deepest nesting of checks in progress at which a constant declared
    // elsewhere and not yet checked is still evaluated on first use; each
    // such constant nests the checks of its own expression.
    enum { max_check_nesting = 2000 };

    // Structural equality: same kind, equal operators, operands, names and
    // values.
    virtual bool operator==(const Expr& other) const = 0;
    bool operator!=(const Expr& other) const { return !(*this == other); }
    virtual SrcLoc get_loc() const = 0;
    virtual int get_priority() const { return Expr_primary_priority; }
    // Computes the type and the constant value, then reports what the
    // context forbids.  An expression is checked once; later calls do
    // nothing.
    virtual void final_check(const ExprContext& ctx);
    void print(std::ostream& out) const override = 0;
    virtual void resolve_names(Scope&) {}
    virtual ExprTag get_tag() const = 0;

    bool has_const_value() const { return const_value != nullptr; }
    Value& get_const_value() const;
    bool has_type() const { return type_set; }
    const ExprType& get_type() const;

    // Set while this expression's final check is in progress.
    bool is_being_checked() const { return checking; }
    // How many final checks are in progress, one inside the other.
    static int checks_in_progress() { return active_checks; }

    // The nesting depth of operators (1 for a name or literal).
    int get_depth() const { return depth; }
    // Set when the expression exceeded max_depth; it is then left unchecked.
    bool is_too_deep() const { return too_deep; }
    // Set when an error was reported at this expression; expressions that
    // depend on it stay silent.
    bool has_error() const { return error_reported; }

    // The class name of a tag, and of an operator code ("???" when unknown).
    static const char* tag_name(ExprTag tag);
    static const char* binary_op_text(int op);
    static const char* unary_op_text(int op);
    static int binary_op_priority(int op);

    // Ends the run: an expression was narrowed to a class it is not.
    [[noreturn]] static void narrow_fault(const char* expected, const Expr& found);

protected:
    Expr() = default;

    // The kind-specific part of the final check: sets the type (and the
    // constant value when there is one).
    virtual void compute(const ExprContext& ctx) = 0;
    // The checks every kind shares, made once the type is known.
    void common_check(const ExprContext& ctx);

    // Reports an error at the expression; it is left without a value.
    void report(const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    void set_type(const ExprType& t) { type = t; type_set = true; }
    void set_const_value(Value* v) { const_value = v; }
    // Records the depth of a new operator node over operands; reports an
    // expression that is nested too deeply, once per expression.
    void set_depth_over(const Expr& a, const Expr* b);

private:
    Value* const_value = nullptr;
    ExprType type;
    bool type_set = false;
    bool checking = false;
    bool error_reported = false;
    static int active_checks;
    int depth = 1;
    bool too_deep = false;
};

class BinaryOpExpr : public Expr {
public:
    BinaryOpExpr(Expr& left, int op, Expr& right);

    int get_op() const { return op; }
    Expr& get_left() const { return *left; }
    Expr& get_right() const { return *right; }

    bool operator==(const Expr& other) const override;
    SrcLoc get_loc() const override { return left->get_loc(); }
    int get_priority() const override { return binary_op_priority(op); }
    // left " " operator " " right; an operand whose priority is not higher
    // than the operator's is parenthesised.
    void print(std::ostream& out) const override;
    void resolve_names(Scope& scope) override;
    ExprTag get_tag() const override { return BinaryOpExpr_tag; }

    static bool is(const Expr& e) { return e.get_tag() == BinaryOpExpr_tag; }
    static BinaryOpExpr& narrow(Expr& e);
    static const BinaryOpExpr& narrow(const Expr& e);

protected:
    void compute(const ExprContext& ctx) override;

private:
    // The operator applied to two constant values; reports a zero divisor
    // and an out-of-range shift count and gives null for them.
    Value* evaluate(const Value& l, const Value& r, bool wide);

    Expr* left;
    int op;
    Expr* right;
};

// The `default:` label of a union case.
class DefaultExpr : public Expr {
public:
    explicit DefaultExpr(const SrcLoc& loc) : loc(loc) {}

    bool operator==(const Expr& other) const override { return is(other); }
    SrcLoc get_loc() const override { return loc; }
    void print(std::ostream& out) const override;  // "default"
    ExprTag get_tag() const override { return DefaultExpr_tag; }

    static bool is(const Expr& e) { return e.get_tag() == DefaultExpr_tag; }
    static DefaultExpr& narrow(Expr& e);
    static const DefaultExpr& narrow(const Expr& e);

protected:
    void compute(const ExprContext& ctx) override;

private:
    SrcLoc loc;
};

// A name used as a value: a constant, an enumerator (or, wrongly, a type
// or an operation).
class ScopedNameExpr : public Expr {
public:
    explicit ScopedNameExpr(ScopedName& name) : name(&name) {}

    ScopedName& get_name() const { return *name; }

    bool operator==(const Expr& other) const override;
    SrcLoc get_loc() const override;
    void print(std::ostream& out) const override;
    void resolve_names(Scope& scope) override;
    ExprTag get_tag() const override { return ScopedNameExpr_tag; }

    static bool is(const Expr& e) { return e.get_tag() == ScopedNameExpr_tag; }
    static ScopedNameExpr& narrow(Expr& e);
    static const ScopedNameExpr& narrow(const Expr& e);

protected:
    void compute(const ExprContext& ctx) override;

private:
    ScopedName* name;
};

class UnaryOpExpr : public Expr {
public:
    UnaryOpExpr(int op, Expr& operand);

    int get_op() const { return op; }
    Expr& get_operand() const { return *operand; }

    bool operator==(const Expr& other) const override;
    SrcLoc get_loc() const override { return operand->get_loc(); }
    // The operator and the operand, parenthesised unless it is primary.
    void print(std::ostream& out) const override;
    void resolve_names(Scope& scope) override;
    ExprTag get_tag() const override { return UnaryOpExpr_tag; }

    static bool is(const Expr& e) { return e.get_tag() == UnaryOpExpr_tag; }
    static UnaryOpExpr& narrow(Expr& e);
    static const UnaryOpExpr& narrow(const Expr& e);

protected:
    void compute(const ExprContext& ctx) override;

private:
    int op;
    Expr* operand;
};

// A literal; the value is also the expression's constant value.
class ValueExpr : public Expr {
public:
    explicit ValueExpr(Value& value);

    Value& get_value() const { return *value; }

    bool operator==(const Expr& other) const override;
    SrcLoc get_loc() const override { return value->get_loc(); }
    void print(std::ostream& out) const override;
    ExprTag get_tag() const override { return ValueExpr_tag; }

    static bool is(const Expr& e) { return e.get_tag() == ValueExpr_tag; }
    static ValueExpr& narrow(Expr& e);
    static const ValueExpr& narrow(const Expr& e);

protected:
    void compute(const ExprContext& ctx) override;

private:
    Value* value;
};

// A list of expressions (array sizes, case labels), printed with ", "
// between them.
class ExprList : public DLList<Expr>, public Printable {
public:
    ExprList() = default;
    explicit ExprList(Expr& first) : DLList<Expr>(first) {}

    void resolve_names(Scope& scope);
    // Checks every member; with skip_default set, `default:` labels are
    // skipped.
    void final_check(const ExprContext& ctx, int skip_default = 0);
    void print(std::ostream& out) const override;

    // The shared empty list.
    static ExprList null;
};

#endif

// What the place of a constant expression demands of it: a constant value,
// data rather than a type or operation, a positive integer.
#ifndef QUORVEX_AST_EXPRCONTEXT_H
#define QUORVEX_AST_EXPRCONTEXT_H

class OpDeclarator;
class ExceptionTypeSpec;

enum ExprContext_flag {
    ExprContext_constant = 1,  // a constant value is required
    ExprContext_data = 2,      // the expression must denote data
    ExprContext_positive = 4,  // the value must be a positive integer
    ExprContext_wide = 8       // the value is held in 64 bits (shifts up to 63)
};

class ExprContext {
public:
    explicit ExprContext(int flags, OpDeclarator* op = nullptr, ExceptionTypeSpec* exc = nullptr)
        : flags(flags), op(op), exc(exc) {}

    int get_flags() const { return flags; }
    bool wants_constant() const { return (flags & ExprContext_constant) != 0; }
    bool wants_data() const { return (flags & ExprContext_data) != 0; }
    bool wants_positive() const { return (flags & ExprContext_positive) != 0; }
    bool is_wide() const { return (flags & ExprContext_wide) != 0; }
    // This context for a value a 64-bit type holds.
    ExprContext widened() const { return ExprContext(flags | ExprContext_wide, op, exc); }
    OpDeclarator* get_op() const { return op; }
    ExceptionTypeSpec* get_exception() const { return exc; }

    // The context operands of an operator are checked in: this one with
    // data required and no positive integer demanded.
    ExprContext operand() const {
        return ExprContext((flags | ExprContext_data) & ~ExprContext_positive, op, exc);
    }

    // The value of a constant declaration: constant data.
    static const ExprContext const_dcl;
    // An array size, sequence bound or string bound: a positive integer
    // constant.
    static const ExprContext bound;
    // A union case label: data.
    static const ExprContext case_label;

private:
    int flags;
    OpDeclarator* op;
    ExceptionTypeSpec* exc;
};

#endif

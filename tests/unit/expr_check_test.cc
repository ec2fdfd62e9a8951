// Constant expressions built by hand: printing with priorities, evaluation,
// and the checks each context demands, with their messages.
#include <gtest/gtest.h>

#include <string>

#include "ast/expr/expr.h"
#include "lib/msg.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

const String file("e.idl");

Expr& lit(const char* t, int line = 1) {
    SrcLoc loc(file, line);
    Value* v;
    if (t[0] == '\'')
        v = new CharValue(t, loc);
    else if (std::string(t).find_first_of(".eE") != std::string::npos && t[1] != 'x')
        v = new RealValue(t, loc);
    else
        v = new IntValue(t, loc);
    return *new ValueExpr(*v);
}

Expr& bin(Expr& l, int op, Expr& r) { return *new BinaryOpExpr(l, op, r); }

std::string text(const Printable& p) { return p.full_text().str(); }

// Checks e in ctx and returns what was reported.
std::string check(Expr& e, const ExprContext& ctx) {
    CaptureStderr();
    e.final_check(ctx);
    return GetCapturedStderr();
}

}  // namespace

TEST(ExprPrint, ParenthesisesOperandsThatBindNoTighter) {
    EXPECT_EQ(text(bin(bin(lit("1"), BinaryOp_plus, lit("2")), BinaryOp_multiply, lit("3"))), "(1 + 2) * 3");
    EXPECT_EQ(text(bin(lit("1"), BinaryOp_plus, bin(lit("2"), BinaryOp_multiply, lit("3")))), "1 + 2 * 3");
    EXPECT_EQ(text(bin(bin(lit("1"), BinaryOp_minus, lit("2")), BinaryOp_minus, lit("3"))), "(1 - 2) - 3");
    EXPECT_EQ(text(bin(lit("1"), BinaryOp_minus, bin(lit("2"), BinaryOp_minus, lit("3")))), "1 - (2 - 3)");
    EXPECT_EQ(text(bin(lit("1"), BinaryOp_bitor, bin(lit("2"), BinaryOp_bitxor, lit("3")))), "1 | 2 ^ 3");
    EXPECT_EQ(text(*new UnaryOpExpr(UnaryOp_minus, lit("1"))), "-1");
    EXPECT_EQ(text(*new UnaryOpExpr(UnaryOp_bitcompl, bin(lit("1"), BinaryOp_leftshift, lit("2")))), "~(1 << 2)");
    EXPECT_EQ(text(*new UnaryOpExpr(UnaryOp_minus, *new UnaryOpExpr(UnaryOp_minus, lit("1")))), "-(-1)");
    EXPECT_EQ(text(bin(*new UnaryOpExpr(UnaryOp_minus, lit("1")), BinaryOp_multiply, lit("2"))), "-1 * 2");
    EXPECT_EQ(text(DefaultExpr(SrcLoc())), "default");
    EXPECT_EQ(Expr::binary_op_text(10), std::string("???"));
}

TEST(ExprPrint, ListsAndPriorities) {
    ExprList l(lit("1"));
    l.append(lit("0x2"));
    EXPECT_EQ(text(l), "1, 0x2");
    EXPECT_TRUE(ExprList::null.empty());
    EXPECT_EQ(bin(lit("1"), BinaryOp_modulus, lit("2")).get_priority(), 6);
    EXPECT_EQ(bin(lit("1"), BinaryOp_rightshift, lit("2")).get_priority(), 4);
    EXPECT_EQ(bin(lit("1"), BinaryOp_bitand, lit("2")).get_priority(), 3);
    EXPECT_EQ(lit("1").get_priority(), 8);
}

TEST(ExprEquality, IsStructural) {
    EXPECT_TRUE(bin(lit("1"), BinaryOp_plus, lit("2")) == bin(lit("1"), BinaryOp_plus, lit("2")));
    EXPECT_FALSE(bin(lit("1"), BinaryOp_plus, lit("2")) == bin(lit("1"), BinaryOp_minus, lit("2")));
    EXPECT_FALSE(lit("1") == *new UnaryOpExpr(UnaryOp_plus, lit("1")));
    EXPECT_TRUE(DefaultExpr(SrcLoc()) == DefaultExpr(SrcLoc()));
}

TEST(ExprCheck, HexadecimalSumKeepsItsRadix) {
    Expr& e = bin(lit("0x10"), BinaryOp_plus, lit("1"));
    EXPECT_EQ(check(e, ExprContext::const_dcl), "");
    ASSERT_TRUE(e.has_const_value());
    EXPECT_EQ(IntValue::narrow(e.get_const_value()).get_value(), 17);
    EXPECT_EQ(text(e.get_const_value()), "0x11");
    EXPECT_TRUE(e.get_type().is_any_int());
    EXPECT_EQ(e.get_type().size(), 3);
}

TEST(ExprCheck, LiteralTypes) {
    EXPECT_EQ(check(lit("'a'"), ExprContext::case_label), "");
    Expr& c = lit("'a'");
    c.final_check(ExprContext::case_label);
    EXPECT_TRUE(c.get_type().is_char());
    Expr& r = lit("1.5");
    r.final_check(ExprContext::const_dcl);
    EXPECT_TRUE(r.get_type().is_numeric());
    EXPECT_EQ(r.get_type().size(), 7);
    Expr& s = *new ValueExpr(*new StringValue("\"s\"", SrcLoc()));
    s.final_check(ExprContext::const_dcl);
    EXPECT_TRUE(s.get_type().is_string());
    EXPECT_TRUE(s.get_type().is_simple_data());
    Expr& b = *new ValueExpr(*new BoolValue(1));
    b.final_check(ExprContext::const_dcl);
    EXPECT_TRUE(b.get_type().is_bool());
}

TEST(ExprCheck, FloatingProductIsNotConstant) {
    Expr& e = bin(lit("1.0", 4), BinaryOp_multiply, lit("2.0", 4));
    EXPECT_EQ(check(e, ExprContext::const_dcl), "e.idl:4: constant expression expected\n");
    EXPECT_FALSE(e.has_const_value());
    // The integer and the real merge to the real.
    Expr& m = bin(lit("2"), BinaryOp_multiply, lit("2.0"));
    check(m, ExprContext(0));
    EXPECT_EQ(m.get_type().size(), 7);
}

TEST(ExprCheck, BoundsMustBePositiveIntegers) {
    EXPECT_EQ(check(lit("0", 2), ExprContext::bound), "e.idl:2: value of expression (0) is not a positive integer: 0\n");
    Expr& neg = bin(lit("1", 3), BinaryOp_minus, lit("2", 3));
    EXPECT_EQ(check(neg, ExprContext::bound), "e.idl:3: value of expression (-1) is not a positive integer: 1 - 2\n");
    EXPECT_FALSE(neg.has_const_value());
    EXPECT_EQ(check(lit("'a'", 5), ExprContext::bound), "e.idl:5: expression is not of integer type: 'a'\n");
    Expr& real = bin(lit("1.0", 6), BinaryOp_plus, lit("1", 6));
    EXPECT_EQ(check(real, ExprContext::bound), "e.idl:6: could not evaluate expression: 1 + 1\n");
    EXPECT_EQ(check(lit("12"), ExprContext::bound), "");
}

TEST(ExprCheck, DivisionByZeroIsReportedOnceAndLeavesNoValue) {
    Expr& div = bin(lit("1", 7), BinaryOp_divide, lit("0", 7));
    EXPECT_EQ(check(div, ExprContext::const_dcl), "e.idl:7: division by zero in constant expression: 1 / 0\n");
    EXPECT_FALSE(div.has_const_value());
    // A sum over the failed quotient stays silent.
    Expr& sum = bin(bin(lit("1", 8), BinaryOp_modulus, lit("0", 8)), BinaryOp_plus, lit("1", 8));
    EXPECT_EQ(check(sum, ExprContext::bound), "e.idl:8: division by zero in constant expression: 1 % 0\n");
    Expr& shift = bin(lit("1", 9), BinaryOp_leftshift, lit("32", 9));
    EXPECT_EQ(check(shift, ExprContext::const_dcl), "e.idl:9: shift count out of range in constant expression: 1 << 32\n");
}

TEST(ExprCheck, SmallestIntegerDividedByMinusOne) {
    Expr& min = bin(*new UnaryOpExpr(UnaryOp_minus, lit("2147483647")), BinaryOp_minus, lit("1"));
    Expr& e = bin(min, BinaryOp_divide, *new UnaryOpExpr(UnaryOp_minus, lit("1")));
    EXPECT_EQ(check(e, ExprContext::const_dcl), "");
    EXPECT_EQ(IntValue::narrow(e.get_const_value()).get_value(), -2147483647 - 1);
}

TEST(ExprCheck, OperatorsRejectWrongOperandTypes) {
    EXPECT_EQ(check(bin(lit("1.5", 2), BinaryOp_modulus, lit("2", 2)), ExprContext::const_dcl),
              "e.idl:2: bad operands for binary expression: 1.5 % 2\n");
    EXPECT_EQ(check(bin(lit("'a'", 3), BinaryOp_plus, lit("2", 3)), ExprContext::const_dcl),
              "e.idl:3: bad operands for binary expression: 'a' + 2\n");
    EXPECT_EQ(check(*new UnaryOpExpr(UnaryOp_bitcompl, lit("1.5", 4)), ExprContext::const_dcl),
              "e.idl:4: bad operand for unary expression: ~1.5\n");
    // Negative reals are reals under an operator: no constant value.
    EXPECT_EQ(check(*new UnaryOpExpr(UnaryOp_minus, lit("1.5", 5)), ExprContext::const_dcl),
              "e.idl:5: constant expression expected\n");
    Expr& ok = *new UnaryOpExpr(UnaryOp_lognot, *new ValueExpr(*new BoolValue(1)));
    EXPECT_EQ(check(ok, ExprContext::const_dcl), "");
    EXPECT_EQ(text(ok.get_const_value()), "FALSE");
}

TEST(ExprCheck, DefaultLabelsAreSkippedOrSilent) {
    DefaultExpr& d = *new DefaultExpr(SrcLoc(file, 1));
    ExprList labels(lit("1"));
    labels.append(d);
    CaptureStderr();
    labels.final_check(ExprContext::case_label, 1);
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_FALSE(d.has_type());
    EXPECT_EQ(check(d, ExprContext::bound), "");
    EXPECT_FALSE(d.get_type().is_valid());
}

TEST(ExprCheck, CheckedOnlyOnce) {
    Expr& e = lit("0", 3);
    int before = msg::get_error_count();
    check(e, ExprContext::bound);
    EXPECT_EQ(check(e, ExprContext::bound), "");
    EXPECT_EQ(msg::get_error_count(), before + 1);
}

TEST(ExprCheck, DeepNestingIsBoundedAndNeverWalked) {
    Expr* e = &lit("1", 2);
    CaptureStderr();
    for (int i = 0; i < 100000; ++i) e = &bin(*e, BinaryOp_plus, lit("1", 2));
    std::string err = GetCapturedStderr();
    EXPECT_EQ(err, "e.idl:2: constant expression nested too deeply (more than 1000 levels)\n");
    EXPECT_TRUE(e->is_too_deep());
    EXPECT_EQ(check(*e, ExprContext::const_dcl), "");
    EXPECT_FALSE(e->has_const_value());
    EXPECT_EQ(text(*e), "...");
    // Just below the limit everything is evaluated.
    Expr* ok = &lit("1");
    for (int i = 1; i < Expr::max_depth; ++i) ok = &bin(*ok, BinaryOp_plus, lit("1"));
    EXPECT_FALSE(ok->is_too_deep());
    EXPECT_EQ(check(*ok, ExprContext::const_dcl), "");
    EXPECT_EQ(IntValue::narrow(ok->get_const_value()).get_value(), Expr::max_depth);
}

TEST(ExprCheckDeathTest, AskingForWhatIsAbsentIsAnInternalError) {
    Expr& e = bin(lit("1"), BinaryOp_plus, lit("2"));
    EXPECT_EXIT(e.get_type(), testing::ExitedWithCode(1), "internal error: Expr::get_type/1 \\+ 2");
    EXPECT_EXIT(e.get_const_value(), testing::ExitedWithCode(1), "internal error: Expr::get_const_value");
    EXPECT_EXIT(BinaryOpExpr::narrow(lit("1")), testing::ExitedWithCode(1),
                "internal error: Expr::narrow_fault: expecting BinaryOpExpr, found 1");
}

// Names in constant expressions: constants lend their values, enumerators
// their enum type, and types or typedef'd names are not data.
#include <gtest/gtest.h>

#include <string>

#include "ast/expr/expr.h"
#include "ast/input/description.h"
#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

const String file("n.idl");
SrcLoc at(int line) { return SrcLoc(file, line); }

Expr& lit(const char* t) { return *new ValueExpr(*new IntValue(t, at(1))); }

// A name already bound to d, as name resolution leaves it.
Expr& name_of(Declarator& d, int line = 1) {
    ScopedName* n = new ScopedName(0, *new Id(d.get_name().as_String(), at(line)));
    n->set_declarator(&d);
    return *new ScopedNameExpr(*n);
}

// const <type> <name> = <e>;
InitDeclarator& constant(BaseTypeSpec_tag type, const char* name, Expr& e) {
    InitDeclarator* c = new InitDeclarator(*new Id(name, at(1)), Description::null, e);
    new Decl(0x2, *new BaseTypeSpec(type, at(1)), *new DeclaratorList(*c));
    return *c;
}

std::string check(Expr& e, const ExprContext& ctx) {
    CaptureStderr();
    e.final_check(ctx);
    return GetCapturedStderr();
}

}  // namespace

TEST(ExprName, ConstantLendsItsValueAndDeclaredType) {
    InitDeclarator& n = constant(long_BaseTypeSpec, "N", *new BinaryOpExpr(lit("0x10"), BinaryOp_plus, lit("1")));
    // Not checked yet: the use evaluates it.
    Expr& use = *new BinaryOpExpr(name_of(n), BinaryOp_multiply, lit("2"));
    EXPECT_EQ(check(use, ExprContext::bound), "");
    EXPECT_TRUE(n.get_expr().has_type());
    EXPECT_EQ(IntValue::narrow(use.get_const_value()).get_value(), 34);
    EXPECT_EQ(use.get_const_value().full_text(), "0x22");
}

TEST(ExprName, ShiftKeepsTheLeftTypeWhileOtherOperatorsMerge) {
    InitDeclarator& u = constant(ulong_BaseTypeSpec, "U", lit("2"));
    Expr& shift = *new BinaryOpExpr(lit("1"), BinaryOp_leftshift, name_of(u));
    Expr& rshift = *new BinaryOpExpr(name_of(u), BinaryOp_rightshift, lit("1"));
    Expr& sum = *new BinaryOpExpr(lit("1"), BinaryOp_plus, name_of(u));
    EXPECT_EQ(check(shift, ExprContext::const_dcl), "");
    check(rshift, ExprContext::const_dcl);
    check(sum, ExprContext::const_dcl);
    EXPECT_EQ(shift.get_type().size(), 3);
    EXPECT_EQ(IntValue::narrow(shift.get_const_value()).get_value(), 4);
    EXPECT_EQ(rshift.get_type().size(), 4);
    EXPECT_EQ(sum.get_type().size(), 4);
    InitDeclarator& d = constant(double_BaseTypeSpec, "D", *new ValueExpr(*new RealValue("1.5", at(1))));
    Expr& product = *new BinaryOpExpr(name_of(u), BinaryOp_multiply, name_of(d));
    check(product, ExprContext(0));
    EXPECT_EQ(product.get_type().size(), 8);
}

TEST(ExprName, EnumeratorIsDataWithoutAValue) {
    IdList* ids = new IdList(*new Id("RED", at(1)));
    ids->append(*new Id("GREEN", at(1)));
    EnumTypeSpec* color = new EnumTypeSpec(*new Id("Color", at(1)), Description::null, *ids);
    new Decl(*color);
    Declarator* green = color->get_entries().last();
    Expr& label = name_of(*green, 3);
    EXPECT_EQ(check(label, ExprContext::case_label), "");
    EXPECT_TRUE(label.get_type().is_simple_data());
    EXPECT_FALSE(label.get_type().is_numeric());
    EXPECT_FALSE(label.has_const_value());
    EXPECT_EQ(check(name_of(*green, 4), ExprContext::const_dcl), "n.idl:4: constant expression expected\n");
    EXPECT_EQ(check(name_of(*green, 5), ExprContext::bound), "n.idl:5: could not evaluate expression: GREEN\n");
    // The type of the struct's name is its declarator, not data.
    EXPECT_EQ(check(name_of(color->get_declarator(), 6), ExprContext::bound), "n.idl:6: data item expected\n");
}

TEST(ExprName, TypedefNameIsNotData) {
    SimpleDeclarator* t = new SimpleDeclarator(*new Id("T", at(1)), Description::null);
    new Decl(0x40, *new BaseTypeSpec(long_BaseTypeSpec, at(1)), *new DeclaratorList(*t));
    Expr& e = name_of(*t, 2);
    EXPECT_EQ(check(e, ExprContext::const_dcl), "n.idl:2: data item expected\n");
    EXPECT_FALSE(e.get_type().is_valid());
    // An operator over it stays silent.
    Expr& sum = *new BinaryOpExpr(name_of(*t, 3), BinaryOp_plus, lit("1"));
    EXPECT_EQ(check(sum, ExprContext::const_dcl), "n.idl:3: data item expected\n");
}

TEST(ExprName, ConstantInErrorKeepsItsUsersSilent) {
    InitDeclarator& bad = constant(long_BaseTypeSpec, "Z", *new BinaryOpExpr(lit("1"), BinaryOp_divide, lit("0")));
    CaptureStderr();
    bad.get_expr().final_check(ExprContext::const_dcl);
    GetCapturedStderr();
    EXPECT_EQ(check(name_of(bad), ExprContext::bound), "");
}

TEST(ExprName, LongChainOfUncheckedConstantsIsBounded) {
    // C0 = 1; Ci = C(i-1) + 1, none checked yet: the first use evaluates the
    // chain until the nesting limit, and reports there.
    InitDeclarator* prev = &constant(long_BaseTypeSpec, "C0", lit("1"));
    for (int i = 1; i < 5000; ++i)
        prev = &constant(long_BaseTypeSpec, "C", *new BinaryOpExpr(name_of(*prev, 2), BinaryOp_plus, lit("1")));
    int before = msg::get_error_count();
    std::string err = check(name_of(*prev, 3), ExprContext::const_dcl);
    EXPECT_EQ(err.substr(0, err.find('\n') + 1),
              "n.idl:2: constant expression nested too deeply through constants: C\n");
    EXPECT_LE(msg::get_error_count(), before + 2);
    // A shorter chain is evaluated whole.
    prev = &constant(long_BaseTypeSpec, "D0", lit("1"));
    for (int i = 1; i < 500; ++i)
        prev = &constant(long_BaseTypeSpec, "D", *new BinaryOpExpr(name_of(*prev), BinaryOp_plus, lit("1")));
    Expr& use = name_of(*prev);
    EXPECT_EQ(check(use, ExprContext::const_dcl), "");
    EXPECT_EQ(IntValue::narrow(use.get_const_value()).get_value(), 500);
}

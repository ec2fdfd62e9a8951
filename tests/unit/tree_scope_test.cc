// Scopes and name resolution: declaration order, hiding, global names,
// full names of nested types, and the cost of large scopes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tree_support.h"

using namespace tree_support;

TEST(TreeScope, GrowsPastSixtyFourNamesAndFindsFirstMatch) {
    static const String file("s.idl");
    Scope scope("FILE");
    std::vector<Declarator*> made;
    for (int i = 0; i < 65; ++i) {
        Declarator* d = new SimpleDeclarator(*new Id(String("n") + std::to_string(i).c_str(), SrcLoc(file, i + 1)),
                                             Description::null);
        made.push_back(d);
        scope.declare(*d);
    }
    ASSERT_EQ(scope.get_count(), 65);
    for (int i = 0; i < 65; ++i) EXPECT_EQ(&scope[i], made[static_cast<size_t>(i)]);
    EXPECT_EQ(scope.resolve(Id("n64", SrcLoc())), made[64]);
    EXPECT_EQ(scope.resolve(Id("n65", SrcLoc())), nullptr);
}

TEST(TreeScope, InnerScopeHidesOuterAndLooksOutward) {
    Scope outer("FILE");
    Scope inner(outer, "struct members");
    Declarator& a_outer = *new SimpleDeclarator(*new Id("a", SrcLoc()), Description::null);
    Declarator& b_outer = *new SimpleDeclarator(*new Id("b", SrcLoc()), Description::null);
    Declarator& a_inner = *new SimpleDeclarator(*new Id("a", SrcLoc()), Description::null);
    outer.declare(a_outer);
    outer.declare(b_outer);
    int errors = msg::get_error_count();
    inner.declare(a_inner);  // hiding is not redeclaring
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_EQ(inner.resolve(Id("a", SrcLoc())), &a_inner);
    EXPECT_EQ(inner.resolve(Id("b", SrcLoc())), &b_outer);
    EXPECT_EQ(&inner.get_outermost_scope(), &outer);
}

TEST(TreeScope, GlobalNameStartsAtFileScope) {
    DeclList& decls = resolve(
        "module A { typedef long B; };\n"
        "module M { module A { typedef short C; };\n"
        "           typedef ::A::B viaGlobal; typedef A::C viaNear; };\n");
    ModuleTypeSpec& m = ModuleTypeSpec::narrow(find(decls, "M").get_typespec());
    Declarator* global = m.resolve(Id("viaGlobal", SrcLoc()));
    Declarator* near = m.resolve(Id("viaNear", SrcLoc()));
    ASSERT_TRUE(global && near);
    EXPECT_EQ(full_name(*global->unwrap()), "::A::B");
    EXPECT_EQ(full_name(*near->unwrap()), "::M::A::C");
}

// Types nested in structs, unions and exceptions have full names through
// their container, like those in modules and interfaces.
TEST(TreeScope, FullNamesOfTypesNestedInStructUnionAndException) {
    DeclList& decls = resolve(
        "module M {\n"
        "  struct Outer { struct Inner { long x; } member; };\n"
        "  exception E { enum Color { red, green } c; };\n"
        "  union U switch (long) { case 1: struct InU { long y; } u; };\n"
        "};\n");
    ModuleTypeSpec& m = ModuleTypeSpec::narrow(find(decls, "M").get_typespec());
    StructTypeSpec& outer = StructTypeSpec::narrow(m.resolve(Id("Outer", SrcLoc()))->get_typespec());
    Decl& member = *outer.get_members().first();
    EXPECT_EQ(full_name(member.get_typespec().get_declarator()), "::M::Outer::Inner");
    ExceptionTypeSpec& e = ExceptionTypeSpec::narrow(m.resolve(Id("E", SrcLoc()))->get_typespec());
    EXPECT_EQ(full_name(e.get_members().first()->get_typespec().get_declarator()), "::M::E::Color");
    UnionTypeSpec& u = UnionTypeSpec::narrow(m.resolve(Id("U", SrcLoc()))->get_typespec());
    EXPECT_EQ(full_name(u.get_cases().first()->get_element().get_typespec().get_declarator()), "::M::U::InU");
    // A data member keeps its one-identifier global name.
    EXPECT_EQ(full_name(*member.get_declarators().first()), "::member");
}

TEST(TreeScope, EnumAsUnionSwitchTypeLivesBesideTheUnion) {
    DeclList& decls = resolve(
        "module M { union U switch (enum Kind { one, two }) { case one: long a; }; };\n");
    ModuleTypeSpec& m = ModuleTypeSpec::narrow(find(decls, "M").get_typespec());
    UnionTypeSpec& u = UnionTypeSpec::narrow(m.resolve(Id("U", SrcLoc()))->get_typespec());
    EXPECT_EQ(full_name(u.get_switch_type().get_declarator()), "::M::Kind");
}

TEST(TreeScope, TypedefChainsUnwrapWithoutRecursion) {
    const int n = 100000;
    std::string text = "struct S0 { long x; };\ntypedef S0 T0;\n";
    for (int i = 1; i < n; ++i)
        text += "typedef T" + std::to_string(i - 1) + " T" + std::to_string(i) + ";\n";
    text += "struct User { T" + std::to_string(n - 1) + " field; };\n";
    auto start = std::chrono::steady_clock::now();
    DeclList& decls = resolve(text);
    Declarator& last = find(decls, ("T" + std::to_string(n - 1)).c_str());
    Declarator* target = last.unwrap();
    EXPECT_EQ(full_name(*target), "::S0");
    EXPECT_TRUE(last.is_data_type());
    decls.final_check(DeclaratorContext::any);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);  // quadratic work would take many minutes
}

TEST(TreeScope, LargeScopeAndInterfaceResolveInLinearTime) {
    const int n = 100000;
    std::string text = "interface Big {\n";
    for (int i = 0; i < n; ++i) text += "  void op" + std::to_string(i) + "();\n";
    text += "};\ninterface Derived : Big { void extra(); };\n";
    for (int i = 0; i < n; ++i) text += "const long c" + std::to_string(i) + " = 1;\n";
    auto start = std::chrono::steady_clock::now();
    int errors = msg::get_error_count();
    DeclList& decls = resolve(text);
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_EQ(interface(decls, "Derived").get_export_tbl().length(), n + 1);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);  // quadratic work would take many minutes
}

TEST(TreeScope, QualifiedLookupsIntoLargeModulesAndEnumsStayLinear) {
    const int n = 50000;
    std::string text = "module M {\n";
    for (int i = 0; i < n; ++i) text += "  typedef long t" + std::to_string(i) + ";\n";
    text += "};\nenum E { ";
    for (int i = 0; i < n; ++i) text += (i ? ", e" : "e") + std::to_string(i);
    text += " };\n";
    for (int i = 0; i < n; ++i)
        text += "typedef M::t" + std::to_string(i) + " u" + std::to_string(i) + ";\n";
    text += "union U switch (E) { case E::e" + std::to_string(n - 1) + ": long x; };\n";
    auto start = std::chrono::steady_clock::now();
    int errors = msg::get_error_count();
    DeclList& decls = resolve(text);
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_EQ(full_name(*find(decls, ("u" + std::to_string(n - 1)).c_str()).unwrap()),
              "::M::t" + std::to_string(n - 1));
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);  // quadratic work would take many minutes
}

TEST(TreeScope, NestingBeyondTheLimitIsFatalNotAStackOverflow) {
    const int depth = Scope::max_depth + 5;
    std::string text;
    for (int i = 0; i < depth; ++i) text += "module m" + std::to_string(i) + " {\n";
    text += "typedef long T;\n";
    for (int i = 0; i < depth; ++i) text += "};\n";
    EXPECT_EXIT(resolve(text), testing::ExitedWithCode(1),
                "t.idl:1001: fatal error: declarations nested too deeply \\(limit 1000\\)");
}

// The tree's types: equality, printing, checked narrowing, array sizes
// and redeclaration of types inherited into an interface.
#include <gtest/gtest.h>

#include <string>

#include "ast/expr/expr.h"
#include "tree_support.h"

using namespace tree_support;

namespace {

TypeSpec& typedef_type(DeclList& decls, const char* name) { return find(decls, name).get_typespec(); }

}  // namespace

TEST(TreeTypeSpec, SequenceAndStringEqualityComparesElementAndBound) {
    DeclList& decls = resolve(
        "const long TEN = 10;\n"
        "typedef sequence<long, 10> A; typedef sequence<long, TEN> B;\n"
        "typedef sequence<long, 11> C; typedef sequence<long> D; typedef sequence<short, 10> E;\n"
        "typedef sequence<long> F; typedef string<10> G; typedef string<TEN> H; typedef string I;\n");
    decls.final_check(DeclaratorContext::any);
    TypeSpec& a = typedef_type(decls, "A");
    EXPECT_TRUE(a == typedef_type(decls, "B"));
    EXPECT_FALSE(a == typedef_type(decls, "C"));
    EXPECT_FALSE(a == typedef_type(decls, "D"));
    EXPECT_FALSE(a == typedef_type(decls, "E"));
    EXPECT_TRUE(typedef_type(decls, "D") == typedef_type(decls, "F"));
    EXPECT_TRUE(typedef_type(decls, "G") == typedef_type(decls, "H"));
    EXPECT_FALSE(typedef_type(decls, "G") == typedef_type(decls, "I"));
    EXPECT_FALSE(a == typedef_type(decls, "G"));
}

TEST(TreeTypeSpec, BaseAndVoidEqualityByKind) {
    static const String file("t.idl");
    BaseTypeSpec l1(long_BaseTypeSpec, SrcLoc(file, 1)), l2(long_BaseTypeSpec, SrcLoc(file, 2));
    BaseTypeSpec ul(ulong_BaseTypeSpec, SrcLoc());
    VoidTypeSpec v1{SrcLoc()}, v2{SrcLoc()};
    EXPECT_TRUE(l1 == l2);
    EXPECT_FALSE(l1 == ul);
    EXPECT_TRUE(v1 == v2);
    EXPECT_FALSE(v1 == l1);
    EXPECT_EQ(ul.full_text(), "unsigned long");
    EXPECT_EQ(BaseTypeSpec(ulonglong_BaseTypeSpec, SrcLoc()).full_text(), "unsigned long long");
}

TEST(TreeTypeSpec, PrintedForms) {
    DeclList& decls = resolve(
        "enum Color { red, green };\n"
        "exception Oops { long code; };\n"
        "union U switch (Color) { case red: long a; default: string<5> s; };\n"
        "interface Base {};\n"
        "interface I : Base { oneway void ping(in long n) raises (Oops); readonly attribute Color c; };\n");
    EXPECT_EQ(typedef_type(decls, "Color").full_text(), "enum Color { red, green }");
    EXPECT_EQ(typedef_type(decls, "Oops").full_text(), "exception Oops { long code;  }");
    EXPECT_EQ(typedef_type(decls, "U").full_text(),
              "union U switch (Color) { case red: long a; default: string<5> s;  }");
    EXPECT_EQ(typedef_type(decls, "I").full_text(),
              "interface I: Base { oneway void ping(in long n) raises (Oops); Color c;  }");
}

TEST(TreeTypeSpec, NarrowingToTheWrongClassIsFatal) {
    DeclList& decls = resolve("struct S { long x; };\n");
    TypeSpec& s = typedef_type(decls, "S");
    EXPECT_DEATH(UnionTypeSpec::narrow(s),
                 "TypeSpec::narrow_fault: expecting UnionTypeSpec, found struct S \\{ long x;  \\}");
    EXPECT_DEATH(OpDeclarator::narrow(find(decls, "S")),
                 "Declarator::narrow_fault: expecting OpDeclarator, found S");
    EXPECT_DEATH(SequenceTypeSpec(s).get_upper_bound(), "SequenceTypeSpec::get_upper_bound");
    EXPECT_DEATH(InterfaceTypeSpec(*new Id("J", SrcLoc()), Description::null, ScopedNameList::null,
                                   DeclList::null)
                     .get_export_tbl(),
                 "InterfaceTypeSpec::get_export_tbl");
}

TEST(TreeTypeSpec, ArraySizesAreStoredInBracketOrder) {
    DeclList& decls = resolve("const long N = 4;\ntypedef long M[N][2][N * 3];\n");
    decls.final_check(DeclaratorContext::any);
    const ArrayDeclarator& m = ArrayDeclarator::narrow(find(decls, "M"));
    EXPECT_EQ(m.get_dimension_count(), 3);
    EXPECT_EQ(m.get_bounds(), (std::vector<int>{4, 2, 12}));
}

// A type inherited from a base and one of the same name defined in the
// derived interface have different full names, so both are accepted; the
// export table keeps the inherited entry, which was merged first.
TEST(TreeTypeSpec, InheritedTypeMayBeRedefined) {
    int errors = msg::get_error_count();
    DeclList& decls = resolve(
        "interface A { struct S { long x; }; };\n"
        "interface B : A { struct S { short y; }; S get(); };\n");
    EXPECT_EQ(msg::get_error_count(), errors);
    InterfaceTypeSpec& b = interface(decls, "B");
    Id s_name("S", SrcLoc());
    IntfExport* s = b.get_export_tbl().lookup(s_name.key_ptr());
    ASSERT_TRUE(s);
    EXPECT_FALSE(b.get_export_tbl().is_own(*s));
    const OpDeclarator& get = OpDeclarator::narrow(*b.resolve(Id("get", SrcLoc())));
    Declarator* result = ScopedNameTypeSpec::narrow(get.get_typespec()).get_scoped_name().get_declarator();
    EXPECT_EQ(full_name(*result), "::A::S");
}

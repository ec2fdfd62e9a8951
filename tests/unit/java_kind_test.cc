// What each kind of type answers through JavaKind: the TCKind numbers the
// runtime's descriptors read, which values travel in their Holders, and the
// naming and repository-prefix facts the passes before generation ask.
#include <gtest/gtest.h>

#include <string>

#include "ast/tree/decl.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "lib/flag.h"
#include "tree_support.h"

namespace {

struct Row {
    const char* name;  // a declarator whose type is the kind's node
    int tcKind;
    bool travelsInHolder;
    bool ownsClass;
    bool holdsPackage;
    bool takesPrefix;
    bool prefixReachesContents;
    bool isDirectiveScope;
};

}  // namespace

TEST(JavaKind, EachKindAnswersForItself) {
    DeclList& decls = tree_support::resolve(
        "enum E { A };\n"
        "struct S { long x; };\n"
        "union U switch (long) { case 1: long l; };\n"
        "exception X { };\n"
        "interface I { };\n"
        "module M { const long C = 1; };\n"
        "typedef sequence<long> Seq;\n"
        "typedef string Str;\n"
        "typedef double Dbl;\n"
        "typedef any Any_;\n"
        "typedef S Alias;\n");
    decls.final_check(DeclaratorContext::any);
    const Row rows[] = {
        {"E", 17, true, true, false, true, false, false},
        {"S", 15, true, true, true, true, true, true},
        {"U", 0, true, true, true, true, false, true},
        {"X", 22, false, true, true, true, true, true},
        {"I", 14, false, false, true, true, true, true},
        {"M", 0, false, false, false, false, true, true},
        {"Seq", 19, true, false, false, false, false, false},
        {"Str", 18, false, false, false, false, false, false},
        {"Dbl", 7, false, false, false, false, false, false},
        {"Any_", 11, false, false, false, false, false, false},
        // A typedef name stands for the type it names.
        {"Alias", 15, false, false, false, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const JavaKind& kind = JavaKind::of(tree_support::find(decls, row.name).get_typespec());
        EXPECT_EQ(kind.tcKind(), row.tcKind);
        EXPECT_EQ(kind.travelsInHolder(), row.travelsInHolder);
        EXPECT_EQ(kind.ownsClass(), row.ownsClass);
        EXPECT_EQ(kind.holdsPackage(), row.holdsPackage);
        EXPECT_EQ(kind.takesPrefix(), row.takesPrefix);
        EXPECT_EQ(kind.prefixReachesContents(), row.prefixReachesContents);
        EXPECT_EQ(kind.isDirectiveScope(), row.isDirectiveScope);
    }
}

TEST(JavaKind, PrimitiveAndNamedTypeCodes) {
    DeclList& decls = tree_support::resolve(
        "struct S { long x; };\n"
        "typedef string Str;\n"
        "typedef unsigned long UL;\n");
    decls.final_check(DeclaratorContext::any);
    auto typeCode = [&](const char* name) {
        return std::string(JavaKind::of(tree_support::find(decls, name).get_typespec()).typeCode().chars());
    };
    EXPECT_EQ(typeCode("S"), "idlGlobal.SHelper.type()");
    EXPECT_EQ(typeCode("Str"), "org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_string)");
    EXPECT_EQ(typeCode("UL"), "org.omg.CORBA.ORB.init().get_primitive_tc(org.omg.CORBA.TCKind.tk_ulong)");
}

// With -fcorba3 a fixed-point type is a kind of its own: its digits and
// scale checked, a TypeCode built in place, values that travel in the
// Holder its typedef writes, named after the typedef's first simple
// declarator when an array declarator comes first.
TEST(JavaKind, FixedPointTypes) {
    Flag::set("corba3");
    DeclList& decls = tree_support::resolve(
        "typedef fixed<9,2> Money;\n"
        "typedef fixed<4,1> Pair[2], Lone;\n");
    Flag::set("no-corba3");
    decls.final_check(DeclaratorContext::any);
    const TypeSpec& money = tree_support::find(decls, "Money").get_typespec();
    ASSERT_TRUE(FixedTypeSpec::is(money));
    EXPECT_EQ(FixedTypeSpec::narrow(money).get_digits(), 9);
    EXPECT_EQ(FixedTypeSpec::narrow(money).get_scale(), 2);
    const JavaKind& kind = JavaKind::of(money);
    EXPECT_EQ(kind.tcKind(), 28);
    EXPECT_TRUE(kind.travelsInHolder());
    EXPECT_TRUE(kind.typedefWritesHolder());
    EXPECT_FALSE(kind.unionNeedsHolder());
    EXPECT_EQ(std::string(kind.typeCode().chars()),
              "org.omg.CORBA.ORB.init().create_fixed_tc((short) 9, (short) 2)");
    const TypeSpec& lone = tree_support::find(decls, "Lone").get_typespec();
    EXPECT_EQ(JavaAST::project(lone).getJavaName().toString(), String("idlGlobal.Lone"));
}

// Under -fcorba3: a value type, an abstract interface and ValueBase travel
// in their Holders with their own TCKinds; a value type owns its class and
// holds the package of the types nested in it.
TEST(JavaKind, ValueTypesAndAbstractInterfaces) {
    Flag::set("corba3");
    DeclList& decls = tree_support::resolve(
        "valuetype V { public long x; };\n"
        "abstract interface A { };\n"
        "typedef ValueBase VB;\n");
    decls.final_check(DeclaratorContext::any);
    Flag::set("no-corba3");
    const Row rows[] = {
        {"V", 29, true, true, true, true, true, true},
        {"A", 32, true, false, true, true, true, true},
        // A typedef name stands for the type it names (asked through typedefs,
        // ValueBase travels in its Holder).
        {"VB", 29, false, false, false, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const JavaKind& kind = JavaKind::of(tree_support::find(decls, row.name).get_typespec());
        EXPECT_EQ(kind.tcKind(), row.tcKind);
        EXPECT_EQ(kind.travelsInHolder(), row.travelsInHolder);
        EXPECT_EQ(kind.ownsClass(), row.ownsClass);
        EXPECT_EQ(kind.holdsPackage(), row.holdsPackage);
        EXPECT_EQ(kind.takesPrefix(), row.takesPrefix);
        EXPECT_EQ(kind.prefixReachesContents(), row.prefixReachesContents);
        EXPECT_EQ(kind.isDirectiveScope(), row.isDirectiveScope);
    }
    EXPECT_EQ(std::string(JavaKind::of(tree_support::find(decls, "VB").get_typespec()).typeCode().chars()),
              "org.omg.CORBA.ValueBaseHelper.type()");
}

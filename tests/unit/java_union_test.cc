// How the union generators see a union: which branches are boxed, how
// labels and switch heads are written for each discriminator kind, and the
// default discriminator at the edges of the discriminator's range.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ast/tree/decl.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaUnionCases.h"
#include "idlgen/java/types/JavaUnionType.h"
#include "tree_support.h"

namespace {

DeclList& checked(const std::string& text) {
    DeclList& decls = tree_support::resolve(text);
    decls.final_check(DeclaratorContext::any);
    return decls;
}

const UnionTypeSpec& unionNamed(DeclList& decls, const char* name) {
    return UnionTypeSpec::narrow(tree_support::find(decls, name).get_typespec());
}

// The default discriminator of a union, or "none".
std::string defaultOf(const UnionTypeSpec& u) {
    JavaUnionCases cases(u);
    std::ostringstream out;
    if (!JavaLib::generateDefaultDiscriminator(out, cases.getSwitchType(), cases.nonDefaultLabels())) return "none";
    return out.str();
}

}  // namespace

TEST(JavaUnion, BaseEnumAndStringBranchesAreKeptInHolders) {
    DeclList& decls = checked(
        "enum E { A, B };\n"
        "struct S { long x; };\n"
        "typedef string Name;\n"
        "typedef S Alias;\n"
        "union U switch (long) {\n"
        "    case 1: long l; case 2: E e; case 3: Name n; case 4: any a;\n"
        "    case 5: S s; case 6: Alias t; case 7: long arr[2];\n"
        "};\n");
    JavaUnionCases cases(unionNamed(decls, "U"));
    std::vector<std::string> boxed;
    for (const auto& c : cases.get()) boxed.push_back(c.boxed ? c.holder.chars() : "-");
    EXPECT_EQ(boxed, (std::vector<std::string>{"org.omg.CORBA.IntHolder", "idlGlobal.EHolder",
                                                "org.omg.CORBA.StringHolder", "org.omg.CORBA.AnyHolder", "-", "-",
                                                "-"}));
    EXPECT_EQ(cases.get()[6].javaType, "int[]");
}

TEST(JavaUnion, LabelsAndSwitchHeadsFollowTheDiscriminatorKind) {
    DeclList& decls = checked(
        "enum E { A, B, new };\n"
        "union ByEnum switch (E) { case new: long x; case A: case B: long y; };\n"
        "union ByBool switch (boolean) { case FALSE: long f; default: long d; };\n"
        "union ByShort switch (short) { case -1: long m; };\n");
    JavaUnionCases byEnum(unionNamed(decls, "ByEnum"));
    EXPECT_EQ(byEnum.labelText(*byEnum.get()[0].labels[0]), "idlGlobal.E.__new");
    EXPECT_EQ(byEnum.labelValue(*byEnum.get()[0].labels[0]), "(idlGlobal.E) (idlGlobal.E._new)");
    EXPECT_EQ(byEnum.switchHead("x"), "\tswitch (x.value()) {\n");
    EXPECT_FALSE(byEnum.get()[0].takesDiscriminator());
    EXPECT_TRUE(byEnum.get()[1].takesDiscriminator());

    JavaUnionCases byBool(unionNamed(decls, "ByBool"));
    EXPECT_EQ(byBool.labelText(*byBool.get()[0].labels[0]), "0");
    EXPECT_EQ(byBool.switchHead("dis"), "\tswitch ((dis) ? 1 : 0) {\n");
    EXPECT_TRUE(byBool.get()[1].takesDiscriminator());
    EXPECT_TRUE(byBool.hasDefault());

    JavaUnionCases byShort(unionNamed(decls, "ByShort"));
    EXPECT_EQ(byShort.labelText(*byShort.get()[0].labels[0]), "(short) (-(1L))");
    EXPECT_EQ(byShort.switchHead("dis", "      "), "      switch (dis) {\n");
}

TEST(JavaUnion, BranchNamedLikeTheDiscriminatorAccessorTakesALeadingUnderscore) {
    DeclList& decls = checked(
        "union U switch (long) { case 1: long discriminator; case 2: long that; case 3: long other; };\n");
    JavaUnionCases cases(unionNamed(decls, "U"));
    EXPECT_EQ(cases.get()[0].item, "_discriminator");
    EXPECT_EQ(cases.get()[1].item, "that");
    EXPECT_EQ(cases.get()[2].item, "other");
}

TEST(JavaUnion, DefaultDiscriminatorStaysInsideTheDiscriminatorsRange) {
    DeclList& decls = checked(
        "union Top switch (long) { case 2147483647: long a; };\n"
        "union Below switch (long) { case 2147483646: long a; };\n"
        "union LastChar switch (char) { case '\\377': long a; };\n"
        "union Empty switch (long) { default: long a; };\n"
        "union EmptyChar switch (char) { default: long a; };\n"
        "union EmptyBool switch (boolean) { default: long a; };\n"
        "union Twice switch (boolean) { case TRUE: long a; case TRUE: long b; };\n"
        "union ShortTop switch (short) { case 32767: long a; };\n"
        "union ShortBelow switch (short) { case 32766: long a; };\n"
        "union UShortTop switch (unsigned short) { case 65535: long a; };\n"
        "union UShortBelow switch (unsigned short) { case 65534: long a; };\n"
        "union UShortHigh switch (unsigned short) { case 32767: long a; };\n");
    EXPECT_EQ(defaultOf(unionNamed(decls, "Top")), "none");
    EXPECT_EQ(defaultOf(unionNamed(decls, "Below")), "2147483647");
    EXPECT_EQ(defaultOf(unionNamed(decls, "LastChar")), "none");
    EXPECT_EQ(defaultOf(unionNamed(decls, "Empty")), "0");
    EXPECT_EQ(defaultOf(unionNamed(decls, "EmptyChar")), "'\\000'");
    EXPECT_EQ(defaultOf(unionNamed(decls, "EmptyBool")), "false");
    EXPECT_EQ(defaultOf(unionNamed(decls, "Twice")), "false");
    EXPECT_EQ(defaultOf(unionNamed(decls, "ShortTop")), "none");
    EXPECT_EQ(defaultOf(unionNamed(decls, "ShortBelow")), "32767");
    EXPECT_EQ(defaultOf(unionNamed(decls, "UShortTop")), "none");
    EXPECT_EQ(defaultOf(unionNamed(decls, "UShortBelow")), "(short) 65535");
    EXPECT_EQ(defaultOf(unionNamed(decls, "UShortHigh")), "(short) 32768");
}

// Java names: parsing qualified texts, escaping IDL identifiers, the names
// derived from a type's name, and the mapping of declarators to packages.
#include <gtest/gtest.h>

#include <string>

#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"
#include "tree_support.h"

namespace {

std::string text(const JavaName& n) { return n.toString().str(); }

const Declarator& member(const Declarator& container, const char* name) {
    Declarator* d = container.get_typespec().resolve(Id(name, SrcLoc()));
    if (!d) std::abort();
    return *d;
}

}  // namespace

TEST(JavaName, QualifiedTextsSplitAtDotsSlashesAndDoubleColons) {
    JavaName dots(String("a.b.C")), slashes(String("a/b/C")), colons(String("a::b::C"));
    EXPECT_EQ(text(dots), "a.b.C");
    EXPECT_TRUE(dots == slashes);
    EXPECT_TRUE(dots == colons);
    EXPECT_EQ(dots.item().str(), "C");
    ASSERT_TRUE(dots.isPackaged());
    EXPECT_EQ(text(dots.package()), "a.b");
    EXPECT_EQ(dots.first().str(), "a");
    EXPECT_FALSE(JavaName(String("C")).isPackaged());
}

TEST(JavaName, EqualityComparesWholeChains) {
    EXPECT_TRUE(JavaName("C") == JavaName(String("C")));
    EXPECT_FALSE(JavaName("C") == JavaName(String("a.C")));
    EXPECT_FALSE(JavaName(String("a.C")) == JavaName(String("b.C")));
    EXPECT_TRUE(JavaName(String("a.C")) != JavaName(String("a.D")));
}

TEST(JavaName, DerivationsLeaveTheReceiverUnchanged) {
    JavaName n(String("p.Item"));
    EXPECT_EQ(text(n.itemPrefix("_")), "p._Item");
    EXPECT_EQ(text(n.itemSuffix("Helper")), "p.ItemHelper");
    EXPECT_EQ(text(n.itemReplace("Other")), "p.Other");
    EXPECT_EQ(text(n), "p.Item");
    JavaName copy(n);
    copy = JavaName(String("q.r.S"));
    EXPECT_EQ(text(n), "p.Item");
    EXPECT_EQ(text(copy), "q.r.S");
}

TEST(JavaName, ReservedWordsAndSuffixesAreEscapedOnce) {
    EXPECT_EQ(JavaLib::nameMap("int").str(), "_int");
    EXPECT_EQ(JavaLib::nameMap("Object").str(), "_Object");
    EXPECT_EQ(JavaLib::nameMap("wait").str(), "_wait");
    EXPECT_EQ(JavaLib::nameMap("FooHolder").str(), "_FooHolder");
    EXPECT_EQ(JavaLib::nameMap("XHelper").str(), "_XHelper");
    EXPECT_EQ(JavaLib::nameMap("Holder").str(), "_Holder");
    EXPECT_EQ(JavaLib::nameMap("MyPackage").str(), "_MyPackage");
    EXPECT_EQ(JavaLib::nameMap("x").str(), "x");
    EXPECT_EQ(JavaLib::nameMap("string").str(), "string");
    EXPECT_EQ(JavaLib::nameMap("Holders").str(), "Holders");
}

TEST(JavaName, CurrentJavaKeywordsAndRestrictedTypeNamesAreReserved) {
    for (const char* w : {"instanceof", "instanceOf", "assert", "strictfp", "true", "false", "record", "var",
                          "yield", "sealed", "permits"})
        EXPECT_EQ(JavaLib::nameMap(w).str(), std::string("_") + w) << w;
}

TEST(JavaLib, DerivedNamesKeepThePackage) {
    JavaName s(String("M.S"));
    EXPECT_EQ(text(JavaLib::helper(s)), "M.SHelper");
    EXPECT_EQ(text(JavaLib::holder(s)), "M.SHolder");
    EXPECT_EQ(text(JavaLib::stub(s)), "M._SStub");
    EXPECT_EQ(text(JavaLib::servant(s)), "M._SImplBase");
    EXPECT_EQ(text(JavaLib::skeleton(s)), "M.SSkeleton");
    EXPECT_EQ(text(JavaLib::idlOperations(s)), "M.SOperations");
    EXPECT_EQ(text(JavaLib::makePackage(s)), "M.SPackage");
    EXPECT_EQ(text(JavaLib::constAccessor(s)), "M.S.value");
    EXPECT_EQ(text(JavaLib::methodIdentifier(s)), "__S");
}

TEST(JavaLib, BuiltinTypesHaveTheRuntimeHolders) {
    EXPECT_EQ(text(JavaLib::holder(JavaName(String("org.omg.CORBA.Object")))), "org.omg.CORBA.ObjectHolder");
    EXPECT_EQ(text(JavaLib::holder(JavaName(String("M.Any")))), "org.omg.CORBA.AnyHolder");
    EXPECT_EQ(text(JavaLib::holder(JavaName(String("M.TypeCodes")))), "M.TypeCodesHolder");
}

TEST(JavaLib, UnsignedAndSignedIntegersShareJavaTypesNotStreamCalls) {
    const JavaBaseTypeInfo* l = JavaLib::baseType(7);
    const JavaBaseTypeInfo* ul = JavaLib::baseType(10);
    ASSERT_TRUE(l && ul);
    EXPECT_STREQ(l->javaType, ul->javaType);
    EXPECT_STREQ(l->holder, ul->holder);
    EXPECT_STRNE(l->streamItem, ul->streamItem);
    EXPECT_NE(l->kindNumber, ul->kindNumber);
    // wchar (only with -fcorba3) shares char's Java type and holder.
    const JavaBaseTypeInfo* wc = JavaLib::baseType(12);
    ASSERT_TRUE(wc);
    EXPECT_STREQ(wc->javaType, "char");
    EXPECT_STREQ(wc->streamItem, "wchar");
    EXPECT_EQ(wc->kindNumber, 26);
    EXPECT_EQ(JavaLib::baseType(13), nullptr);
    EXPECT_EQ(JavaLib::newMarshalingException().str(),
              "new org.omg.CORBA.MARSHAL(0, org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE)");
}

TEST(JavaNameMapping, PackagesFollowContainers) {
    DeclList& decls = tree_support::resolve(
        "struct P { long x; };\n"
        "module M {\n"
        "  enum Color { RED, new };\n"
        "  interface I { struct S { long y; }; void op(); typedef long T; };\n"
        "  struct Outer { struct Inner { long z; } inner; };\n"
        "};\n");
    EXPECT_EQ(text(JavaName(tree_support::find(decls, "P"))), "idlGlobal.P");
    const Declarator& m = tree_support::find(decls, "M");
    EXPECT_EQ(text(JavaName(m)), "M");
    const Declarator& i = member(m, "I");
    EXPECT_EQ(text(JavaName(i)), "M.I");
    EXPECT_EQ(text(JavaName(member(i, "S"))), "M.IPackage.S");
    EXPECT_EQ(text(JavaName(member(i, "op"))), "M.I.op");
    EXPECT_EQ(text(JavaName(member(i, "T"))), "M.IPackage.T");
    const Declarator& color = member(m, "Color");
    EXPECT_EQ(text(JavaName(member(color, "RED"))), "M.Color.RED");
    EXPECT_EQ(text(JavaName(member(color, "new"))), "M.Color._new");
    const StructTypeSpec& outer = StructTypeSpec::narrow(member(m, "Outer").get_typespec());
    const Decl& innerDecl = *outer.get_members().first();
    EXPECT_EQ(text(JavaName(innerDecl.get_typespec().get_declarator())), "M.OuterPackage.Inner");
}

TEST(JavaNameMapping, NamesAreComputedOnceAndCached) {
    DeclList& decls = tree_support::resolve("struct Q { long x; };\n");
    const Declarator& q = tree_support::find(decls, "Q");
    JavaName first(q);
    ASSERT_NE(q.get_data("JavaName"), nullptr);
    const void* cached = q.get_data("JavaName");
    JavaName second(q);
    EXPECT_TRUE(first == second);
    EXPECT_EQ(q.get_data("JavaName"), cached);
}

TEST(JavaNameMapping, ScopedNamesAndIdsMapUnescaped) {
    DeclList& decls = tree_support::resolve("module int { struct S { long x; }; };\n");
    ScopedName name(0, *new Id("int", SrcLoc()));
    name.append(*new Id("S", SrcLoc()));
    EXPECT_EQ(text(JavaName(name)), "int.S");
    EXPECT_EQ(text(JavaName(Id("new", SrcLoc()))), "new");
    EXPECT_EQ(text(JavaName(tree_support::find(decls, "int"))), "_int");
}

// The operation table of an interface and the value conversions of its stub
// and skeleton.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/interfaces/JavaOpTable.h"
#include "tree_support.h"

using tree_support::interface;
using tree_support::resolve;

namespace {

std::vector<std::string> numbered(const JavaOpTable& table) {
    std::vector<std::string> out;
    for (const JavaOpTable::Entry& e : table.entries()) {
        if (e.kind == JavaOpTable::Fault) continue;
        const char* prefix = e.kind == JavaOpTable::Getter ? "get " : e.kind == JavaOpTable::Setter ? "set " : "";
        out.push_back(std::to_string(e.index) + " " + prefix + e.declarator->get_name().as_String().str());
    }
    return out;
}

}  // namespace

TEST(JavaOpTable, InheritedExportsAttributesGetterThenSetter) {
    DeclList& decls = resolve(
        "interface A { void a(); readonly attribute long r; };"
        "interface B : A { attribute long w; long b(in long x); };");
    const JavaOpTable& table = JavaOpTable::of(interface(decls, "B"));
    std::vector<std::string> expected{"0 a", "1 get r", "2 get w", "3 set w", "4 b"};
    EXPECT_EQ(numbered(table), expected);
    EXPECT_EQ(table.operationCount(), 5);
    EXPECT_EQ(table.slotCount(), 5);
    // Built once: the same table again.
    EXPECT_EQ(&table, &JavaOpTable::of(interface(decls, "B")));
}

TEST(JavaOpTable, SimpleTypedefTakesTwoSlotsAndNoNumber) {
    DeclList& decls = resolve("interface I { typedef long T; const long C = 1; T f(); struct S { T x; }; };");
    const JavaOpTable& table = JavaOpTable::of(interface(decls, "I"));
    std::vector<std::string> expected{"0 f"};
    EXPECT_EQ(numbered(table), expected);
    EXPECT_EQ(table.slotCount(), 3);
}

TEST(JavaConversions, PrimitivesTravelInTheLongArrayAndComeBackMasked) {
    DeclList& d2 = resolve("typedef long L; typedef any A; typedef string Str;");
    const JavaAST& l = JavaAST::project(tree_support::find(d2, "L").get_typespec());
    const JavaAST& a = JavaAST::project(tree_support::find(d2, "A").get_typespec());
    const JavaAST& s = JavaAST::project(tree_support::find(d2, "Str").get_typespec());
    EXPECT_TRUE(JavaLib::whichArray(l));
    EXPECT_FALSE(JavaLib::whichArray(a));
    EXPECT_FALSE(JavaLib::whichArray(s));
    EXPECT_EQ(JavaLib::getConversionTo(l, "x", "_n[1]", "_o[9999]", 1).str(), "_n[1] = (x & 0xFFFFFFFFL)");
    EXPECT_EQ(JavaLib::getConversionFrom(l, "_n[0]", "_o[0]").str(), "(int) (_n[0] & 0xFFFFFFFFL)");
    EXPECT_EQ(JavaLib::getConversionTo(a, "x", "_n[9999]", "_o[1]", 1).str(), "_o[1] = x");
    EXPECT_EQ(JavaLib::getConversionFrom(a, "_n[0]", "_o[0]").str(), "(org.omg.CORBA.Any) _o[0]");
    EXPECT_EQ(JavaLib::getConversionFrom(s, "_n[0]", "_o[0]").str(), "(String) _o[0]");
    // The skeleton stores a primitive result by the stub's rule.
    EXPECT_EQ(JavaLib::getSkelConversionTo(l, "__result", "n[0]", "o[9999]").str(),
              "n[0] = (__result & 0xFFFFFFFFL)");
    // An out parameter reaches the implementation as its holder.
    EXPECT_EQ(JavaLib::getSkelConversionFrom(l, "n[9999]", "o[0]", 0).str(), "(org.omg.CORBA.IntHolder)o[0]");
}

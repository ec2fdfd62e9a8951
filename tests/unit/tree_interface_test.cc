// Interface tables: inheritance order, merged exports, dispatch hashes and
// exception tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tree_support.h"

using namespace tree_support;

namespace {

std::vector<std::string> inherit_names(InterfaceTypeSpec& i) {
    std::vector<std::string> out;
    for (DLListIter<IntfInherit> it(i.get_inherit_list()); it; it.next())
        out.push_back(it.entry().get_interface().get_name().as_String().str() +
                      (it.entry().is_direct() ? "/direct" : "/indirect"));
    return out;
}

std::vector<std::string> export_names(InterfaceTypeSpec& i) {
    std::vector<std::string> out;
    for (TblIter<const void*, IntfExport> it(i.get_export_tbl()); it; it.next())
        out.push_back(it.entry().get_name().str() + (i.get_export_tbl().is_own(it.entry()) ? "/own" : "/inherited"));
    return out;
}

}  // namespace

TEST(TreeHash, SamplesAsSpecifiedAndWraps) {
    EXPECT_EQ(hash("a"), 99u);
    // Up to six characters: every weight; "ab": 2 * 2 * 3 + 1*97 + 2*98.
    EXPECT_EQ(hash("ab"), 2u * 2 * 3 + 97 + 2 * 98);
    // A seven-character name is sampled at 0, 1, 2, 3, 4 and 6: the 'z' at
    // position 5 must not count (weight 27), the 'b' at 6 must (weight 3).
    unsigned expect = 7u * 2 * 2 * 2 * 2 * 2 * 3;
    for (int i = 0; i < 7; ++i) expect += static_cast<unsigned>(i + 1) * static_cast<unsigned>("aaaaazb"[i]);
    EXPECT_EQ(hash("aaaaazb"), expect % 0x7fffff9bu);
    // Uppercase letters weigh like lowercase ones; digits and '_' weigh 1.
    EXPECT_EQ(hash("A") - 'A', hash("a") - 'a');
    EXPECT_EQ(hash("_"), 1u + '_');
    // A long name overflows 32 bits without harm and stays below the modulus.
    EXPECT_LT(hash(String(std::string(5000, 'z'))), 0x7fffff9bu);
}

TEST(TreeInterface, SharedBaseListedOnceAndSortedByExportCount) {
    DeclList& decls = resolve(
        "interface Base { void b1(); void b2(); void b3(); };\n"
        "interface Left : Base { void l(); };\n"
        "interface Right : Base { void r1(); void r2(); };\n"
        "interface Both : Left, Right { void own(); };\n");
    InterfaceTypeSpec& both = interface(decls, "Both");
    // Base (3 exports) before Right (2) before Left (1); Base once, indirect.
    EXPECT_EQ(inherit_names(both),
              (std::vector<std::string>{"Base/indirect", "Right/direct", "Left/direct"}));
    EXPECT_EQ(export_names(both),
              (std::vector<std::string>{"b1/inherited", "b2/inherited", "b3/inherited", "l/inherited",
                                        "r1/inherited", "r2/inherited", "own/own"}));
}

TEST(TreeInterface, AttributeAndOperationHashes) {
    DeclList& decls = resolve(
        "interface I { attribute long a; readonly attribute long r; void op(); };\n");
    IntfExportTbl& tbl = interface(decls, "I").get_export_tbl();
    Id a_name("a", SrcLoc()), op_name("op", SrcLoc());
    IntfExport* a = tbl.lookup(a_name.key_ptr());
    IntfExport* op = tbl.lookup(op_name.key_ptr());
    ASSERT_TRUE(a && op);
    EXPECT_EQ(a->get_get_hash(), hash("_get_a"));
    EXPECT_EQ(a->get_put_hash(), hash("_put_a"));
    EXPECT_EQ(a->get_op_hash(), 0u);
    EXPECT_EQ(op->get_op_hash(), hash("op"));
    EXPECT_EQ(op->get_get_hash(), 0u);
}

TEST(TreeInterface, ExceptionTableCollectsOwnAndInheritedRaises) {
    DeclList& decls = resolve(
        "exception E1 {}; exception E2 {};\n"
        "interface A { void f() raises (E1); };\n"
        "interface B : A { void g() raises (E2, E1); };\n");
    IntfExcTbl& tbl = interface(decls, "B").get_exception_tbl();
    std::vector<std::string> names;
    for (TblIter<const ExceptionTypeSpec*, IntfExc> it(tbl); it; it.next())
        names.push_back(it.entry().get_exception().get_name().as_String().str());
    EXPECT_EQ(names, (std::vector<std::string>{"E1", "E2"}));
    const OpDeclarator& g = OpDeclarator::narrow(*interface(decls, "B").resolve(Id("g", SrcLoc())));
    EXPECT_EQ(g.get_exc_tbl().length(), 2);
}

TEST(TreeInterface, ForwardDeclarationBeforeAndAfterDefinition) {
    DeclList& decls = resolve(
        "interface F;\n"
        "interface F { void f(); };\n"
        "interface F;\n"
        "interface User { F get(); };\n");
    int forwards = 0;
    for (DLListIter<Decl> it(decls); it; it.next()) {
        TypeSpec& ts = it.entry().get_typespec();
        if (!ForwardTypeSpec::is(ts)) continue;
        ++forwards;
        Declarator* def = ts.unwrap();
        ASSERT_TRUE(TypeSpecDeclarator::is(*def));
        EXPECT_TRUE(InterfaceTypeSpec::is(def->get_typespec()));
    }
    EXPECT_EQ(forwards, 2);
}

TEST(TreeInterface, InheritedNamesVisibleInBody) {
    DeclList& decls = resolve(
        "interface A { typedef long T; };\n"
        "interface B : A { T get(); };\n");
    const OpDeclarator& get = OpDeclarator::narrow(*interface(decls, "B").resolve(Id("get", SrcLoc())));
    const ScopedNameTypeSpec& result = ScopedNameTypeSpec::narrow(get.get_typespec());
    EXPECT_EQ(full_name(*result.get_scoped_name().get_declarator()), "::A::T");
    EXPECT_EQ(result.get_scoped_name().get_declarator()->get_decl().get_container().get_name().as_String(), "A");
}

TEST(TreeInterface, InheritOrderLargerFirstArrivalOrderAmongEquals) {
    int errors = msg::get_error_count();
    DeclList& decls = resolve(
        "interface One { void o1(); };\n"
        "interface ThreeA { void a1(); void a2(); void a3(); };\n"
        "interface Two { void t1(); void t2(); };\n"
        "interface ThreeB { void b1(); void b2(); void b3(); };\n"
        "interface Zero {};\n"
        "interface Four { void f1(); void f2(); void f3(); void f4(); };\n"
        "interface All : One, ThreeA, Two, ThreeB, Zero, Four {};\n");
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_EQ(inherit_names(interface(decls, "All")),
              (std::vector<std::string>{"Four/direct", "ThreeA/direct", "ThreeB/direct", "Two/direct",
                                        "One/direct", "Zero/direct"}));
}

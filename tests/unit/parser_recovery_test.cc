// Syntax errors: the three recovery points (definition, export, member),
// abandoned parses, and input nested too deeply for the parser's stack.
#include <gtest/gtest.h>

#include <string>

#include "lib/msg.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "parser_support.h"

using parser_support::parse;

namespace {

struct Outcome {
    DefinitionList* list;
    int errors;
    std::string err;
};

Outcome parse_reporting(const std::string& text) {
    int before = msg::get_error_count();
    testing::internal::CaptureStderr();
    DefinitionList* list = parse(text, "r.idl");
    std::string err = testing::internal::GetCapturedStderr();
    return Outcome{list, msg::get_error_count() - before, err};
}

const Decl& own_decl(const DefinitionList& list, int n) {
    DLListIter<Definition> it(list);
    for (int i = 0; i < 4 + n; ++i) it.next();
    return DeclDefinition::narrow(it.entry()).getDecl();
}

}  // namespace

TEST(ParserRecovery, ExportErrorResumesAfterSemicolon) {
    Outcome o = parse_reporting("interface I {\n"
                                "  void f();\n"
                                "  long long long g();\n"
                                "  void h();\n"
                                "};\n");
    ASSERT_NE(o.list, nullptr);
    EXPECT_EQ(o.errors, 1);
    EXPECT_EQ(o.err, "r.idl:3: syntax error\n");
    const DeclList& ex = InterfaceTypeSpec::narrow(own_decl(*o.list, 0).get_typespec()).get_exports();
    ASSERT_EQ(ex.length(), 3);
    DLListIter<Decl> it(ex);
    it.next();
    EXPECT_EQ(&it.entry(), &Decl::error);
    it.next();
    EXPECT_EQ(std::string(it.entry().get_declarators().first()->get_name().as_charP()), "h");
}

TEST(ParserRecovery, MemberAndDefinitionErrors) {
    Outcome o = parse_reporting("struct S { long a; long = 3; long b; };\n"
                                "exception E { 7 x; };\n"
                                "const long C == 1;\n"
                                "typedef long T;\n");
    ASSERT_NE(o.list, nullptr);
    EXPECT_EQ(o.errors, 3);
    const DeclList& members = StructTypeSpec::narrow(own_decl(*o.list, 0).get_typespec()).get_members();
    ASSERT_EQ(members.length(), 3);
    DLListIter<Decl> it(members);
    it.next();
    EXPECT_EQ(&it.entry(), &Decl::error);
    const DeclList& exc = ExceptionTypeSpec::narrow(own_decl(*o.list, 1).get_typespec()).get_members();
    ASSERT_EQ(exc.length(), 1);
    EXPECT_EQ(exc.first(), &Decl::error);
    // A lost definition stays in the list as the shared error declaration.
    EXPECT_EQ(&own_decl(*o.list, 2), &Decl::error);
    EXPECT_EQ(own_decl(*o.list, 3).get_flags(), 0x40u);
}

TEST(ParserRecovery, ErrorsCloseTogetherAreReportedOnce) {
    // After an error, the next three tokens must be shifted before another
    // error is reported.
    Outcome o = parse_reporting("interface I { void f(; ; ; void g(); };\n");
    ASSERT_NE(o.list, nullptr);
    EXPECT_EQ(o.errors, 1) << o.err;
}

TEST(ParserRecovery, AbandonedParses) {
    // No definition at all.
    Outcome o = parse_reporting("");
    EXPECT_EQ(o.list, nullptr);
    EXPECT_EQ(o.errors, 1);
    EXPECT_EQ(o.err, "r.idl:1: syntax error\n");
    o = parse_reporting("// only a comment\n");
    EXPECT_EQ(o.list, nullptr);
    EXPECT_EQ(o.err, "r.idl:2: syntax error\n");

    // The end of input inside a definition.
    o = parse_reporting("const long A = 1;\ninterface I { void f();\n");
    EXPECT_EQ(o.list, nullptr);
    EXPECT_EQ(o.errors, 1);
    o = parse_reporting("module M { struct S { long a; };");
    EXPECT_EQ(o.list, nullptr);

    // A stray character.
    o = parse_reporting("const long _x = 1;\ntypedef long T;\n");
    ASSERT_NE(o.list, nullptr);
    EXPECT_EQ(o.errors, 1);
    EXPECT_EQ(&own_decl(*o.list, 0), &Decl::error);
}

TEST(ParserRecovery, DeepNestingStopsCleanly) {
    const int depth = 20000;
    std::string deep = "const long C = " + std::string(depth, '(') + "1" + std::string(depth, ')') + ";";
    Outcome o = parse_reporting(deep);
    EXPECT_EQ(o.list, nullptr);
    EXPECT_NE(o.err.find("r.idl:1: yacc stack overflow"), std::string::npos) << o.err.substr(0, 200);

    std::string modules;
    for (int i = 0; i < depth; ++i) modules += "module m {";
    o = parse_reporting(modules);
    EXPECT_EQ(o.list, nullptr);
    EXPECT_NE(o.err.find("yacc stack overflow"), std::string::npos);

    // Nesting well past the initial stack of 150 entries is fine.
    std::string nested = "const long D = " + std::string(500, '(') + "1" + std::string(500, ')') + ";";
    o = parse_reporting(nested);
    EXPECT_NE(o.list, nullptr);
    EXPECT_EQ(o.errors, 0);
}

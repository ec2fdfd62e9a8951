// The walker over nested declarations: what each kind of type contains,
// the order of the walk, and a declaration whose contents are not walked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ast/tree/walk.h"
#include "tree_support.h"

namespace {

std::string name_of(const Decl& d) {
    const Declarator* first = d.get_declarators().first();
    return first ? first->get_name().as_String().str() : d.get_typespec().get_name().as_String().str();
}

// Logs "name@container" when a declaration is entered and "/name" when it
// is left; the predefined names at the front of every file are not logged.
struct Recorder : DeclWalker {
    std::vector<std::string> log;
    std::string skip;

    bool enter(const Decl& d, const TypeSpec* container) override {
        std::string name = name_of(d);
        if (name == "Object" || name == "any" || name == "TypeCode" || name == "Principal") return false;
        log.push_back(container ? name + "@" + container->get_name().as_String().str() : name);
        return name != skip;
    }
    void leave(const Decl& d) override { log.push_back("/" + name_of(d)); }
};

const char* const source =
    "module M {\n"
    "  struct S { long a; };\n"
    "  union U switch (long) { case 1: long x; case 2: short y; };\n"
    "  interface I { attribute long z; };\n"
    "  exception E { long code; };\n"
    "  enum Colour { red };\n"
    "};\n"
    "const long C = 1;\n";

}  // namespace

TEST(TreeWalk, VisitsEveryKindsContentsDepthFirstInSourceOrder) {
    DefinitionList* defs = parser_support::parse(source);
    ASSERT_TRUE(defs);
    Recorder r;
    r.walk(*defs->getDeclList());
    EXPECT_EQ(r.log, (std::vector<std::string>{"M",      "S@M",    "a@S",    "/a",  "/S",  "U@M",   "x@U",
                                               "/x",     "y@U",    "/y",     "/U",  "I@M", "z@I",   "/z",
                                               "/I",     "E@M",    "code@E", "/code", "/E", "Colour@M", "/Colour",
                                               "/M",     "C",      "/C"}));
}

TEST(TreeWalk, ADeclarationNotEnteredIsNeitherWalkedNorLeft) {
    DefinitionList* defs = parser_support::parse(source);
    ASSERT_TRUE(defs);
    Recorder r;
    r.skip = "U";
    r.walk(*defs->getDeclList());
    std::vector<std::string> expected{"M",   "S@M", "a@S", "/a",     "/S",     "U@M",      "I@M", "z@I",
                                      "/z",  "/I",  "E@M", "code@E", "/code",  "/E",       "Colour@M",
                                      "/Colour", "/M", "C",  "/C"};
    EXPECT_EQ(r.log, expected);
}

TEST(TreeWalk, OneDeclarationIsWalkedWithItsContents) {
    DefinitionList* defs = parser_support::parse(source);
    ASSERT_TRUE(defs);
    const Decl* module = nullptr;
    for (DLListIter<Decl> it(*defs->getDeclList()); it; it.next())
        if (name_of(it.entry()) == "M") module = &it.entry();
    ASSERT_TRUE(module);
    Recorder r;
    r.skip = "S";
    r.walk(*module);
    ASSERT_GE(r.log.size(), 3u);
    EXPECT_EQ(r.log.front(), "M");
    EXPECT_EQ(r.log[1], "S@M");
    EXPECT_EQ(r.log[2], "U@M");
    EXPECT_EQ(r.log.back(), "/M");
}

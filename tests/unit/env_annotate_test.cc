// Annotation: entries of an environment file attach their attributes to the
// declarators their names denote; declarators answer from their own
// annotations first, then from their environment file.
#include <gtest/gtest.h>

#include <string>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "lib/msg.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "env_support.h"

using env_support::EnvDir;
using env_support::name;
using env_support::parse_idl;
using env_support::value;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

// The declarator that a (weak) name denotes in the declarations.
Declarator& at(DeclList& decls, std::initializer_list<const char*> parts) {
    Declarator* d = EnvFile::external_weak_resolve(decls, name(parts).get_last());
    if (!d) ADD_FAILURE() << "no declarator";
    return *d;
}

std::string own(const Declarator& d, const char* key) { return value(EnvAttr::get_annotation(d, key)); }

const char* const idl =
    "module M {\n"
    "  interface F;\n"
    "  interface I { void op(); attribute long at; };\n"
    "  interface F { };\n"
    "  struct S { long x; };\n"
    "  typedef long T, U;\n"
    "};\n";

}  // namespace

TEST(EnvWeakResolve, NamesReachIntoModulesAndInterfacesOnly) {
    EnvDir d;
    EnvFile empty;
    DeclList& decls = parse_idl(idl, empty, *d.reader);
    EXPECT_TRUE(TypeSpecDeclarator::is(at(decls, {"M"})));
    EXPECT_TRUE(OpDeclarator::is(at(decls, {"M", "I", "op"})));
    EXPECT_TRUE(SimpleDeclarator::is(at(decls, {"M", "U"})));
    // The forward declaration is passed over for the definition.
    Declarator& f = at(decls, {"M", "F"});
    EXPECT_TRUE(InterfaceTypeSpec::is(f.get_typespec()));
    EXPECT_EQ(EnvFile::external_weak_resolve(decls, name({"M", "S", "x"}).get_last()), nullptr);
    EXPECT_EQ(EnvFile::external_weak_resolve(decls, name({"M", "T", "x"}).get_last()), nullptr);
    EXPECT_EQ(EnvFile::external_weak_resolve(decls, name({"I"}).get_last()), nullptr);
    EXPECT_EQ(EnvFile::external_weak_resolve(decls, name({"M", "Nope"}).get_last()), nullptr);
}

TEST(EnvAnnotate, AttributesReachTheDeclaratorsTheirEntriesName) {
    EnvDir d;
    d.write("a.env",
            "M::I : a = one b;\n"
            "M::I::op : c = \"x y\";\n"
            "M::F : d;\n"
            "M::T : e;\n"
            "M::S::x : f;\n"
            "Nowhere : g;\n"
            "default : h;\n"
            "$coll : i;\n");
    EnvFile& env = d.read("a.env");
    DeclList& decls = parse_idl(idl, env, *d.reader);
    int errors = msg::get_error_count();
    CaptureStderr();
    env.annotate(decls);
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(msg::get_error_count(), errors);

    Declarator& i = at(decls, {"M", "I"});
    EXPECT_EQ(own(i, "a"), "one");
    EXPECT_EQ(own(i, "b"), "");
    EXPECT_EQ(EnvAttr::get_annotation(i, "a")->get_envfile(), &env);
    EXPECT_EQ(own(at(decls, {"M", "I", "op"}), "c"), "x y");
    EXPECT_EQ(own(at(decls, {"M", "F"}), "d"), "");
    EXPECT_EQ(own(at(decls, {"M", "T"}), "e"), "");
    EXPECT_EQ(own(at(decls, {"M", "U"}), "e"), "(none)");
    EXPECT_EQ(own(at(decls, {"M"}), "a"), "(none)");
}

TEST(EnvAnnotate, DeclaratorsAskTheirFileByFullNameWhenTheyHaveNoAnnotation) {
    EnvDir d;
    d.write("a.env", "M::I : k = entry;\ndefault : k = fallback;\nM::S : k = struct;\n");
    EnvFile& env = d.read("a.env");
    DeclList& decls = parse_idl(idl, env, *d.reader);
    Declarator& i = at(decls, {"M", "I"});
    EXPECT_EQ(value(i.get_env_attr("k", 0)), "entry");
    EXPECT_EQ(value(at(decls, {"M"}).get_env_attr("k", 0)), "(none)");
    EXPECT_EQ(value(at(decls, {"M"}).get_env_attr("k", 1)), "fallback");
    // An own annotation comes first.
    i.set_env_attr(EnvAttr("k", "own", SrcLoc()));
    EXPECT_EQ(value(i.get_env_attr("k", 0)), "own");
}

TEST(EnvAnnotate, AnAttributeGivenTwiceKeepsTheFirst) {
    EnvDir d;
    d.write("a.env", "M::I : k = first;\nimport \"b.env\";\n");
    d.write("b.env", "M::I : k = second other;\n");
    EnvFile& env = d.read("a.env");
    DeclList& decls = parse_idl(idl, env, *d.reader);
    int errors = msg::get_error_count();
    CaptureStderr();
    env.annotate(decls);
    std::string err = GetCapturedStderr();
    EXPECT_EQ(msg::get_error_count(), errors + 1);
    EXPECT_EQ(err,
              "t.idl:3: attribute specified more than once: k\n" +
              d.dir + "/a.env:1: ... here was the first specification\n" +
              d.dir + "/b.env:1: ... here was an additional specification\n");
    Declarator& i = at(decls, {"M", "I"});
    EXPECT_EQ(own(i, "k"), "first");
    EXPECT_EQ(own(i, "other"), "");
}

TEST(EnvAnnotate, ManyDeclarationsAndEntries) {
    // 30,000 declarations annotated by 30,000 entries: resolving each entry
    // by a walk of the declarations would take minutes.
    const int n = 30000;
    std::string text, entries;
    for (int i = 0; i < n; ++i) {
        text += "typedef long T" + std::to_string(i) + ";\n";
        entries += "T" + std::to_string(n - 1 - i) + " : k = v;\n";
    }
    EnvDir d;
    d.write("a.env", entries);
    EnvFile& env = d.read("a.env");
    DeclList& decls = parse_idl(text, env, *d.reader);
    env.annotate(decls);
    EXPECT_EQ(own(at(decls, {"T0"}), "k"), "v");
    EXPECT_EQ(own(at(decls, {"T29999"}), "k"), "v");
}

// The generator's output helpers: templates, package directories and the
// list of written files, and constant expressions printed as Java.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "ast/expr/expr.h"
#include "lib/msg.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "tree_support.h"

namespace {

std::string tempDir() {
    char path[] = "/tmp/quorvex_java_XXXXXX";
    if (!mkdtemp(path)) std::abort();
    return path;
}

bool isDirectory(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The value of the constant `name` printed as Java.
std::string constant(DeclList& decls, const char* name) {
    const InitDeclarator& d = InitDeclarator::narrow(tree_support::find(decls, name));
    std::ostringstream out;
    out << JavaExpr::project(d.get_expr());
    return out.str();
}

}  // namespace

TEST(JavaTemplate, FillsNamedPlaceholders) {
    JavaTemplate t("public ${T} ${name};$$\n");
    t.set("T", "int").set("name", JavaName(String("a.b")));
    EXPECT_EQ(t.toString().str(), "public int a.b;$\n");
    std::ostringstream other;
    t.set("T", 7).print(other, "${T}${T}");
    EXPECT_EQ(other.str(), "77");
}

TEST(JavaTemplate, MissingValueIsAnInternalError) {
    EXPECT_EXIT(JavaTemplate("${nothing}").toString(), testing::ExitedWithCode(1), "no value for `nothing'");
}

TEST(JavaFiles, PackagesAreMadeOutermostFirstAndReused) {
    std::string root = tempDir();
    JavaName pkg(String("a.b.c"));
    String path = JavaFiles::preparePackage(root.c_str(), pkg, "test");
    EXPECT_EQ(path.str(), root + "/a/b/c");
    EXPECT_TRUE(isDirectory(root + "/a/b/c"));
    int errors = msg::get_error_count();
    EXPECT_EQ(JavaFiles::preparePackage(root.c_str(), pkg, "test").str(), root + "/a/b/c");
    EXPECT_EQ(msg::get_error_count(), errors);
}

TEST(JavaFiles, PlainFileInPlaceOfAPackageIsReported) {
    std::string root = tempDir();
    std::ofstream(root + "/a") << "plain";
    int errors = msg::get_error_count();
    EXPECT_THROW(JavaFiles::preparePackage(root.c_str(), JavaName(String("a.b")), "test"), JavaFiles::Nope);
    EXPECT_EQ(msg::get_error_count(), errors + 1);
    EXPECT_FALSE(isDirectory(root + "/a/b"));
}

TEST(JavaFiles, ListNamesEveryOpeningInOrder) {
    std::string root = tempDir();
    JavaFiles files("out");
    files.add("out/B.java");
    files.add("out/a/A.java");
    files.add("out/B.java");
    files.flush((root + "/list").c_str());
    EXPECT_EQ(read(root + "/list"), "out/B.java\nout/a/A.java\nout/B.java\n");
    int errors = msg::get_error_count();
    files.flush((root + "/missing/list").c_str());
    EXPECT_EQ(msg::get_error_count(), errors + 1);
}

TEST(JavaExpr, EveryExpressionHasOneOuterPairOfParentheses) {
    DeclList& decls = tree_support::resolve(
        "const long A = 5;\n"
        "const long B = 1 + 2;\n"
        "const long C = (1 + 2) * 3;\n"
        "const long D = 1 - (2 - 3);\n"
        "const long E = -A;\n"
        "const double F = 2.5;\n"
        "const boolean G = TRUE;\n"
        "const char H = '\\v';\n"
        "const string I = \"a\\ab\";\n"
        "const long J = 0x10;\n");
    EXPECT_EQ(constant(decls, "A"), "(5L)");
    EXPECT_EQ(constant(decls, "B"), "(1L + 2L)");
    EXPECT_EQ(constant(decls, "C"), "((1L + 2L) * 3L)");
    EXPECT_EQ(constant(decls, "D"), "(1L - (2L - 3L))");
    EXPECT_EQ(constant(decls, "E"), "(-(idlGlobal.A.value))");
    EXPECT_EQ(constant(decls, "F"), "(2.5D)");
    EXPECT_EQ(constant(decls, "G"), "(true)");
    EXPECT_EQ(constant(decls, "H"), "('\\013')");
    EXPECT_EQ(constant(decls, "I"), "(\"a\\007b\")");
    EXPECT_EQ(constant(decls, "J"), "(0x10L)");
}

TEST(JavaExpr, IntegerLiteralsBeyondTheLongRangeKeepTheir64Bits) {
    DeclList& decls = tree_support::resolve(
        "const unsigned long long A = 18446744073709551615;\n"
        "const unsigned long long B = 9223372036854775808;\n"
        "const long long C = 9223372036854775807;\n"
        "const long long D = -9223372036854775808;\n"
        "const unsigned long long E = 0xFFFFFFFFFFFFFFFF;\n"
        "const unsigned long long F = 01777777777777777777777;\n"
        "const unsigned long long G = 18446744073709551616;\n");
    EXPECT_EQ(constant(decls, "A"), "(0xFFFFFFFFFFFFFFFFL)");
    EXPECT_EQ(constant(decls, "B"), "(0x8000000000000000L)");
    EXPECT_EQ(constant(decls, "C"), "(9223372036854775807L)");
    EXPECT_EQ(constant(decls, "D"), "(-(0x8000000000000000L))");
    EXPECT_EQ(constant(decls, "E"), "(0xFFFFFFFFFFFFFFFFL)");
    EXPECT_EQ(constant(decls, "F"), "(01777777777777777777777L)");
    // One bit more than 64: an error, counted once however often printed.
    int errors = msg::get_error_count();
    EXPECT_EQ(constant(decls, "G"), "(18446744073709551616L)");
    EXPECT_EQ(constant(decls, "G"), "(18446744073709551616L)");
    EXPECT_EQ(msg::get_error_count(), errors + 1);
    msg::reset_error_count();
}

TEST(JavaExpr, ConstantsAreNamedByTheirFieldAndEnumeratorsByTheirObject) {
    DeclList& decls = tree_support::resolve(
        "module M { const long N = 4; enum Color { RED, new }; };\n"
        "interface I { const long MAX = 3; };\n"
        "const long X = M::N;\n"
        "const long Y = I::MAX;\n");
    EXPECT_EQ(constant(decls, "X"), "(M.N.value)");
    EXPECT_EQ(constant(decls, "Y"), "(idlGlobal.I.MAX)");
    ScopedName name(0, *new Id("M", SrcLoc()));
    name.append(*new Id("Color", SrcLoc()));
    name.append(*new Id("new", SrcLoc()));
    Scope scope("FILE");
    scope.declare(tree_support::find(decls, "M"));
    ASSERT_EQ(name.resolve(scope), 1);
    std::ostringstream out;
    out << JavaExpr::project(*new ScopedNameExpr(name));
    EXPECT_EQ(out.str(), "(M.Color._new)");
}

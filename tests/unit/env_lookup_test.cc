// Attribute lookup in environment files: entry order, collections, imports
// and the default entry.
#include <gtest/gtest.h>

#include <string>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "lib/msg.h"
#include "env_support.h"

using env_support::EnvDir;
using env_support::name;
using env_support::value;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

TEST(EnvLookup, EntriesAnswerInFileOrderFirstHitWins) {
    EnvDir d;
    d.write("a.env",
            "A : k = one k = two;\n"
            "A::B : k = inner j;\n"
            "A : k = three x = y;\n");
    EnvFile& env = d.read("a.env");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "k", 0)), "one");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "x", 0)), "y");
    EXPECT_EQ(value(env.attr_lookup(name({"A", "B"}), "k", 0)), "inner");
    EXPECT_EQ(value(env.attr_lookup(name({"A", "B"}), "j", 0)), "");
    EXPECT_EQ(value(env.attr_lookup(name({"B"}), "k", 0)), "(none)");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "j", 0)), "(none)");
    // A global name is the same name.
    EnvAttr* found = env.attr_lookup(name({"A"}, 1), "k", 0);
    EXPECT_EQ(value(found), "one");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->get_envfile(), &env);
}

TEST(EnvLookup, DefaultEntryAnswersOnlyDefaultableQuestions) {
    EnvDir d;
    d.write("a.env", "A : j;\ndefault : k = fallback;\n");
    EnvFile& env = d.read("a.env");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "k", 1)), "fallback");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "k", 0)), "(none)");
    EXPECT_EQ(value(env.attr_lookup(name({"Undeclared"}), "k", 1)), "fallback");
    EXPECT_EQ(value(env.attr_lookup(name({"default"}), "k", 0)), "fallback");
    // An own attribute comes before the default.
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "j", 1)), "");
}

TEST(EnvLookup, CollectionsAreSearchedWhereTheyAreListed) {
    EnvDir d;
    d.write("a.env",
            "$c : k = from_collection;\n"
            "$empty : other;\n"
            "A : $c k = own;\n"
            "B : k = own $c;\n"
            "C : $empty k = own;\n"
            "D : $missing;\n");
    EnvFile& env = d.read("a.env");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "k", 0)), "from_collection");
    EXPECT_EQ(value(env.attr_lookup(name({"B"}), "k", 0)), "own");
    EXPECT_EQ(value(env.attr_lookup(name({"C"}), "k", 0)), "own");
    EXPECT_EQ(value(env.attr_lookup(name({"D"}), "k", 0)), "(none)");
}

TEST(EnvLookup, CollectionsListingEachOtherEnd) {
    EnvDir d;
    d.write("a.env",
            "$a : $b;\n"
            "$b : $a $self;\n"
            "$self : $self;\n"
            "A : $a k = own;\n"
            "$loop : $loop k = inside;\n"
            "B : $loop;\n");
    EnvFile& env = d.read("a.env");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "k", 1)), "own");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "zz", 1)), "(none)");
    EXPECT_EQ(value(env.attr_lookup(name({"B"}), "k", 0)), "inside");
}

TEST(EnvLookup, LongCollectionChainDoesNotExhaustTheStack) {
    const int n = 50000;
    std::string text = "A : $c0;\n";
    for (int i = 0; i < n; ++i) text += "$c" + std::to_string(i) + " : $c" + std::to_string(i + 1) + ";\n";
    text += "$c" + std::to_string(n) + " : k = end;\n";
    EnvDir d;
    d.write("a.env", text);
    EnvFile& env = d.read("a.env");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "k", 0)), "end");
    EXPECT_EQ(value(env.attr_lookup(name({"A"}), "absent", 0)), "(none)");
}

TEST(EnvLookup, CollectionFanOutStaysCheap) {
    // Every collection lists the next one twice: searched naively this is
    // 2^40 searches.
    std::string text = "A : $c0;\n";
    for (int i = 0; i < 40; ++i)
        text += "$c" + std::to_string(i) + " : $c" + std::to_string(i + 1) + " $c" + std::to_string(i + 1) + ";\n";
    EnvDir d;
    d.write("a.env", text);
    EXPECT_EQ(value(d.read("a.env").attr_lookup(name({"A"}), "k", 0)), "(none)");
}

TEST(EnvLookup, ImportsAreSearchedWhereTheyStandAndEachFileOnce) {
    EnvDir d;
    d.write("a.env", "A : j = a;\nimport \"b.env\";\nA : k = a;\ndefault : k = adefault;\n");
    d.write("b.env", "import \"a.env\";\nA : k = b;\nB : k = b;\n");
    EnvFile& a = d.read("a.env");
    EnvAttr* k = a.attr_lookup(name({"A"}), "k", 0);
    EXPECT_EQ(value(k), "b");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->get_envfile(), &d.read("b.env"));
    EXPECT_EQ(value(a.attr_lookup(name({"A"}), "j", 0)), "a");
    EXPECT_EQ(value(a.attr_lookup(name({"B"}), "k", 0)), "b");
    // Both files are searched, each once, and then a's default answers.
    EXPECT_EQ(value(a.attr_lookup(name({"C"}), "k", 1)), "adefault");
    EXPECT_EQ(value(a.attr_lookup(name({"C"}), "k", 0)), "(none)");
    // Seen from b, a's entries come first: b imports a before its own entry.
    EnvFile& b = d.read("b.env");
    EXPECT_EQ(value(b.attr_lookup(name({"A"}), "j", 0)), "a");
    EXPECT_EQ(value(b.attr_lookup(name({"A"}), "k", 0)), "a");
}

TEST(EnvLookup, AnImportedFilesDefaultAnswersWhereTheImportStands) {
    EnvDir d;
    d.write("a.env", "import \"b.env\";\nA : k = a;\n");
    d.write("b.env", "default : k = bdefault;\n");
    EnvFile& a = d.read("a.env");
    EXPECT_EQ(value(a.attr_lookup(name({"A"}), "k", 1)), "bdefault");
    EXPECT_EQ(value(a.attr_lookup(name({"A"}), "k", 0)), "a");
}

TEST(EnvLookup, ImportsAreFoundBesideTheImporterThenOnTheIncludePath) {
    EnvDir d;
    d.mkdir("sub");
    d.mkdir("inc");
    d.write("sub/a.env", "import \"b.env\";\nimport \"c.env\";\n");
    d.write("sub/b.env", "B : k = beside;\n");
    d.write("b.env", "B : k = wrong;\n");
    d.write("inc/c.env", "C : k = included;\n");
    std::string include = "-I" + d.dir + "/inc";
    d.reader->set_cpp_option((new std::string(include))->c_str());
    EnvFile& a = d.read("sub/a.env");
    EXPECT_EQ(value(a.attr_lookup(name({"B"}), "k", 0)), "beside");
    EXPECT_EQ(value(a.attr_lookup(name({"C"}), "k", 0)), "included");
}

TEST(EnvLookup, UnreadableImportIsSkippedQuietly) {
    EnvDir d;
    d.write("a.env", "import \"missing.env\";\nA : k = a;\n");
    EnvFile& a = d.read("a.env");
    int errors = msg::get_error_count();
    CaptureStderr();
    EXPECT_EQ(value(a.attr_lookup(name({"A"}), "k", 0)), "a");
    EXPECT_EQ(value(a.attr_lookup(name({"A"}), "k", 0)), "a");
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(msg::get_error_count(), errors);
}

TEST(EnvLookup, ManyEntriesAreIndexed) {
    // 50,000 entries asked 50,000 questions: a search of every entry for
    // every question would take minutes.
    const int n = 50000;
    std::string text;
    for (int i = 0; i < n; ++i) text += "N" + std::to_string(i) + " : k = v" + std::to_string(i) + ";\n";
    EnvDir d;
    d.write("a.env", text);
    EnvFile& env = d.read("a.env");
    int misses = 0;
    for (int i = 0; i < n; ++i) {
        ScopedName& q = name({(new std::string("N" + std::to_string(i)))->c_str()});
        if (value(env.attr_lookup(q, "k", 0)) != "v" + std::to_string(i)) ++misses;
    }
    EXPECT_EQ(misses, 0);
}

#include <gtest/gtest.h>

#include "lib/Regex.h"
#include "lib/String.h"
#include "lib/dllist.h"
#include "lib/tbl.h"

TEST(String, PositionOperationsCountNegativeStartsFromTheEnd) {
    String s("a/b/c");
    EXPECT_EQ(s.index('/', -1), 3);
    EXPECT_EQ(s.index('/', -3), 1);
    EXPECT_EQ(s.index('/'), 1);
    EXPECT_EQ(s.index('/', 2), 3);
    EXPECT_EQ(s.after(3), "c");
    EXPECT_EQ(s.before(3), "a/b");
    EXPECT_EQ(s.through(1), "a/");
    EXPECT_EQ(s.from(2), "b/c");
    EXPECT_EQ(s.at(-3, 2), "b/");

    String plain("abc");
    EXPECT_EQ(plain.index('/', -1), -1);
    EXPECT_EQ(plain.after(-1), "abc");
    EXPECT_EQ(plain.at(1, 100), "bc");
    EXPECT_EQ(plain.at(5, 2), "");
}

TEST(String, ContainsAtAPosition) {
    EXPECT_TRUE(String("$x").contains('$', 0));
    EXPECT_FALSE(String("x$").contains('$', 0));
    EXPECT_TRUE(String("x$").contains('$', -1));
    EXPECT_FALSE(String("").contains('$', 0));
    EXPECT_FALSE(String("x").contains('x', 5));
}

TEST(String, SubstringsAroundText) {
    String s("java.lang.Object");
    EXPECT_EQ(s.before("."), "java");
    EXPECT_EQ(s.after("."), "lang.Object");
    EXPECT_EQ(s.through(".lang"), "java.lang");
    EXPECT_EQ(s.index("lang", -1), 5);
}

TEST(String, ComparisonAndConcatenation) {
    EXPECT_TRUE(String("abc") < String("abd"));
    EXPECT_EQ(String("ABC").fcompare("abc"), 0);
    EXPECT_NE(String("ABC").compare("abc"), 0);
    EXPECT_EQ(String("a") + "b" + 'c' + String("d"), "abcd");
    EXPECT_EQ(String::replicate('-', 3), "---");
}

TEST(Regex, UnanchoredSearchAndSubstitution) {
    EXPECT_TRUE(String("debug-reader").matches(Regex("debug-.*")));
    EXPECT_TRUE(String("xdebug-y").matches(Regex("debug-.*")));
    EXPECT_FALSE(String("client").matches(Regex("debug-.*")));
    EXPECT_TRUE(String("client").matches(Regex("^c[a-z]+t$")));
    EXPECT_FALSE(String("clients").matches(Regex("^c[a-z]+t$")));
    String dotted("a.b.c");
    dotted.gsub(Regex("\\."), "/");
    EXPECT_EQ(dotted, "a/b/c");
}

TEST(DLList, InsertAppendAndIterate) {
    String a("a"), b("b"), c("c"), d("d");
    StringList l;
    l.append(b);
    l.insert(a);
    l.append(d);
    DLListIter<String> it(l);
    it.next();  // at b
    l.insert_after(it, c);
    std::string order;
    for (DLListIter<String> i(l); i; i.next()) order += i.entry().chars();
    EXPECT_EQ(order, "abcd");
    EXPECT_EQ(l.length(), 4);
}

TEST(Tbl, KeepsInsertionOrderAndRefusesDuplicates) {
    Tbl<String, int> t;
    int v1 = 1, v2 = 2, v3 = 3, again = 9;
    t.insert("k1", v1);
    t.insert("k2", v2);
    t.insert("k3", v3);
    EXPECT_THROW(t.insert("k2", again), Tbl_duplicate);
    EXPECT_EQ(t.length(), 3);
    std::string keys;
    for (TblIter<String, int> i(t); i; i.next()) keys += i.key().chars();
    EXPECT_EQ(keys, "k1k2k3");
    int* found = nullptr;
    EXPECT_TRUE(t.lookup("k2", found));
    EXPECT_EQ(*found, 2);
    EXPECT_FALSE(t.lookup("nope", found));
    EXPECT_EQ(found, nullptr);
}

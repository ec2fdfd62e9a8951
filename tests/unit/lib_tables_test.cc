// The compact tables under the tree's indexes: keyed tables that scan while
// small and index once they grow, maps keyed by address, and the arena's
// alignment.  Each case crosses the point where a table changes its form.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lib/AddressMap.h"
#include "lib/Arena.h"
#include "lib/tbl.h"
#include "tree_support.h"

using namespace tree_support;

TEST(Tables, KeyedTableKeepsOrderAndRefusesDuplicatesAcrossItsIndexing) {
    std::vector<int> keys(40), values(40);
    Tbl<const void*, int> t;
    int fallback = -1;
    t.set_default(&fallback);
    for (size_t i = 0; i < keys.size(); ++i) {
        values[i] = static_cast<int>(i);
        t.insert(&keys[i], values[i]);
        // Every key so far is found, whether the table scans or indexes.
        for (size_t j = 0; j <= i; ++j) ASSERT_EQ(t.lookup(&keys[j]), &values[j]) << i << " " << j;
        EXPECT_THROW(t.insert(&keys[i / 2], values[0]), Tbl_duplicate);
        EXPECT_EQ(t.length(), static_cast<int>(i + 1));
    }
    int absent;
    EXPECT_EQ(t.lookup(&absent), &fallback);
    EXPECT_FALSE(t.contains(&absent));
    int n = 0;
    for (TblIter<const void*, int> it(t); it; it.next(), ++n) EXPECT_EQ(it.key(), &keys[static_cast<size_t>(n)]);
    EXPECT_EQ(n, 40);
}

TEST(Tables, AddressMapKeepsTheFirstValueThroughGrowthAndClears) {
    std::vector<char> keys(5000);
    AddressMap<int> m;
    for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(m.emplace(&keys[i], static_cast<int>(i)), static_cast<int>(i));
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(m.emplace(&keys[i], -1), static_cast<int>(i));  // present: unchanged
        ASSERT_NE(m.find(&keys[i]), nullptr);
        EXPECT_EQ(*m.find(&keys[i]), static_cast<int>(i));
    }
    EXPECT_EQ(m.size(), keys.size());
    int absent;
    EXPECT_EQ(m.find(&absent), nullptr);
    m.clear();
    EXPECT_EQ(m.size(), 0u);
    EXPECT_EQ(m.find(&keys[7]), nullptr);
    m.emplace(&keys[7], 70);
    EXPECT_EQ(*m.find(&keys[7]), 70);
}

TEST(Tables, ArenaAlignsWhatNeedsItAndNeverHandsOutTheSameAddress) {
    std::vector<void*> seen;
    for (std::size_t size : {0u, 1u, 8u, 12u, 16u, 24u, 32u, 48u, 100u, 4096u}) {
        void* p = arena::allocate(size);
        std::uintptr_t at = reinterpret_cast<std::uintptr_t>(p);
        EXPECT_EQ(at % alignof(void*), 0u) << size;
        if (size % alignof(std::max_align_t) == 0) {
            EXPECT_EQ(at % alignof(std::max_align_t), 0u) << size;
        }
        for (void* q : seen) EXPECT_NE(p, q) << size;
        seen.push_back(p);
    }
}

// A scope searches its names in order while small and indexes them once it
// grows; a redeclaration is refused, naming the first entry, on both sides.
TEST(Tables, ScopeRefusesRedeclarationsBeforeAndAfterItIndexes) {
    Scope scope("FILE");
    std::vector<Declarator*> made;
    auto declare = [&](const std::string& name) {
        Declarator* d = new SimpleDeclarator(*new Id(name.c_str(), SrcLoc()), Description::null);
        scope.declare(*d);
        return d;
    };
    for (int i = 0; i < 30; ++i) made.push_back(declare("n" + std::to_string(i)));
    int errors = msg::get_error_count();
    declare("n3");
    declare("n25");
    EXPECT_EQ(msg::get_error_count(), errors + 2);
    EXPECT_EQ(scope.get_count(), 30);
    EXPECT_EQ(scope.resolve(Id("n3", SrcLoc())), made[3]);
    EXPECT_EQ(scope.resolve(Id("n25", SrcLoc())), made[25]);
}

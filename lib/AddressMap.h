// A map from addresses to small values, by open addressing: one vector of
// slots, no node per entry.  The tree's indexes are keyed by addresses (an
// identifier's interned key, a node), and there are many of them, so they
// are kept compact.  Keys are never null; entries are never removed.
#ifndef QUORVEX_LIB_ADDRESSMAP_H
#define QUORVEX_LIB_ADDRESSMAP_H

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "lib/hashmix.h"

template <class V>
class AddressMap {
public:
    // The value stored under key, or null.
    V* find(const void* key) {
        if (slots.empty()) return nullptr;
        Slot& s = slots[locate(key)];
        return s.key ? &s.value : nullptr;
    }
    const V* find(const void* key) const { return const_cast<AddressMap*>(this)->find(key); }

    // Stores value under key unless key is present; the stored value.
    V& emplace(const void* key, const V& value) {
        if (2 * (used + 1) > slots.size()) grow();
        Slot& s = slots[locate(key)];
        if (!s.key) {
            s.key = key;
            s.value = value;
            ++used;
        }
        return s.value;
    }

    size_t size() const { return used; }
    // Empties the map and keeps its slots for the next use.
    void clear() {
        if (used) std::fill(slots.begin(), slots.end(), Slot());
        used = 0;
    }

private:
    struct Slot {
        const void* key = nullptr;
        V value{};
    };

    // The slot holding key, or the empty slot where it belongs.
    size_t locate(const void* key) const {
        size_t mask = slots.size() - 1;
        size_t at = mix_hash(reinterpret_cast<std::uintptr_t>(key)) & mask;
        while (slots[at].key && slots[at].key != key) at = (at + 1) & mask;
        return at;
    }
    void grow() {
        std::vector<Slot> old(slots.empty() ? 16 : 2 * slots.size());
        old.swap(slots);
        for (const Slot& s : old)
            if (s.key) slots[locate(s.key)] = s;
    }

    std::vector<Slot> slots;
    size_t used = 0;
};

#endif

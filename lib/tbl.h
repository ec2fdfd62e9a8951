// Keyed tables that keep their entries in insertion order.  Iteration order
// is output order throughout the program, so entries are held in a vector in
// the order inserted; a hash index over the keys keeps lookups constant-time
// for large inputs.  A key type supplies equality and a hash through
// TblKey<K>; keys that are equal must hash alike.
#ifndef QUORVEX_LIB_TBL_H
#define QUORVEX_LIB_TBL_H

#include <cstddef>
#include <functional>
#include <vector>

#include "lib/hashmix.h"

struct Tbl_duplicate {};

template <class K>
struct TblKey {
    static bool equal(const K& a, const K& b) { return a == b; }
    static size_t hash(const K& k) { return std::hash<K>()(k); }
};

template <class K, class V> class TblIter;

template <class K, class V>
class Tbl {
public:
    Tbl() = default;
    Tbl(const Tbl&) = delete;
    Tbl& operator=(const Tbl&) = delete;

    // Appends (key, value); an equal key already present throws Tbl_duplicate
    // and leaves the table unchanged.
    void insert(const K& key, V& value) {
        if (find(key) >= 0) throw Tbl_duplicate();
        entries_.push_back(Entry{key, &value});
        if (!slots_.empty() || entries_.size() > scan_limit) index_last();
    }

    bool lookup(const K& key, V*& value) const {
        long pos = find(key);
        value = pos < 0 ? default_ : entries_[static_cast<size_t>(pos)].value;
        return pos >= 0;
    }
    V* lookup(const K& key) const {
        V* v;
        lookup(key, v);
        return v;
    }
    bool contains(const K& key) const { return find(key) >= 0; }
    int length() const { return static_cast<int>(entries_.size()); }
    void set_default(V* v) { default_ = v; }

private:
    friend class TblIter<K, V>;
    struct Entry {
        K key;
        V* value;
    };
    // Most tables are small: up to this many entries they are searched
    // without an index.
    enum : size_t { scan_limit = 8 };

    // The position of the entry with an equal key, or -1.
    long find(const K& key) const {
        if (slots_.empty()) {
            for (size_t i = 0; i < entries_.size(); ++i)
                if (TblKey<K>::equal(entries_[i].key, key)) return static_cast<long>(i);
            return -1;
        }
        size_t mask = slots_.size() - 1;
        for (size_t at = mix_hash(TblKey<K>::hash(key)) & mask;; at = (at + 1) & mask) {
            unsigned pos = slots_[at];
            if (pos == empty) return -1;
            if (TblKey<K>::equal(entries_[pos].key, key)) return static_cast<long>(pos);
        }
    }

    // Enters the last entry into the index, growing it to keep at most
    // half of the slots in use.
    void index_last() {
        if (slots_.size() < 2 * entries_.size()) {
            size_t size = slots_.empty() ? 4 * scan_limit : slots_.size();
            while (size < 2 * entries_.size()) size *= 2;
            slots_.assign(size, empty);
            for (size_t i = 0; i < entries_.size(); ++i) place(i);
        } else {
            place(entries_.size() - 1);
        }
    }
    void place(size_t pos) {
        size_t mask = slots_.size() - 1;
        size_t at = mix_hash(TblKey<K>::hash(entries_[pos].key)) & mask;
        while (slots_[at] != empty) at = (at + 1) & mask;
        slots_[at] = static_cast<unsigned>(pos);
    }

    static constexpr unsigned empty = ~0u;
    std::vector<Entry> entries_;
    // Open addressing over entry positions; empty until the table
    // outgrows the scan limit.
    std::vector<unsigned> slots_;
    V* default_ = nullptr;
};

// Walks a table in insertion order.  Entries appended while iterating are
// visited as well.
template <class K, class V>
class TblIter {
public:
    explicit TblIter(const Tbl<K, V>& t) : t_(t) {}
    operator int() const { return i_ < t_.entries_.size(); }
    V& entry() const { return *t_.entries_[i_].value; }
    const K& key() const { return t_.entries_[i_].key; }
    void next() { ++i_; }

private:
    const Tbl<K, V>& t_;
    size_t i_ = 0;
};

#endif

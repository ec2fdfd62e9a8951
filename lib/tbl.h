// Keyed tables that keep their entries in insertion order.  Iteration order
// is output order throughout the program, so entries are held in a vector in
// the order inserted; a hash index over the keys keeps lookups constant-time
// for large inputs.  A key type supplies equality and a hash through
// TblKey<K>; keys that are equal must hash alike.
#ifndef QUORVEX_LIB_TBL_H
#define QUORVEX_LIB_TBL_H

#include <cstddef>
#include <functional>
#include <unordered_map>
#include <vector>

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
        if (index_.count(key)) throw Tbl_duplicate();
        entries_.push_back(Entry{key, &value});
        index_.emplace(key, entries_.size() - 1);
    }

    bool lookup(const K& key, V*& value) const {
        auto it = index_.find(key);
        if (it == index_.end()) {
            value = default_;
            return false;
        }
        value = entries_[it->second].value;
        return true;
    }
    V* lookup(const K& key) const {
        V* v;
        lookup(key, v);
        return v;
    }
    bool contains(const K& key) const { return index_.count(key) != 0; }
    int length() const { return static_cast<int>(entries_.size()); }
    void set_default(V* v) { default_ = v; }

private:
    friend class TblIter<K, V>;
    struct Entry {
        K key;
        V* value;
    };
    struct Hash {
        size_t operator()(const K& k) const { return TblKey<K>::hash(k); }
    };
    struct Eq {
        bool operator()(const K& a, const K& b) const { return TblKey<K>::equal(a, b); }
    };
    std::vector<Entry> entries_;
    std::unordered_map<K, size_t, Hash, Eq> index_;
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

// Identifiers as written in the source, and the one identifier comparison
// of the run.  Whether identifiers are compared with or without regard to
// case is decided by the flag `caseless` at the first comparison and fixed
// from then on.
#ifndef QUORVEX_AST_ID_H
#define QUORVEX_AST_ID_H

#include <cstddef>
#include <iosfwd>

#include "lib/srcloc.h"
#include "lib/Arena.h"
#include "ast/tree/printable.h"
#include "lib/String.h"
#include "lib/dllist.h"
#include "lib/tbl.h"

class Flag;
extern Flag caseless_flag;

// Identifiers are the most numerous objects of the tree, so they have no
// table of virtual functions: they print through their own functions.
class Id : public arena::Object {
public:

    Id(const char* text, const SrcLoc& loc);
    Id(const char* text, size_t length, const SrcLoc& loc);
    Id(const String& text, const SrcLoc& loc);

    const SrcLoc& get_loc() const { return loc; }
    const String& as_String() const { return name->text; }
    const char* as_charP() const { return name->text.chars(); }

    // The identity of this name under the run's comparison: two names are
    // equal exactly when their keys are the same object.
    // Once identifiers are known to be compared with case, a spelling is
    // its own key, and the key is had without reading the record.
    const void* key_ptr() const {
        if (keys_are_spellings) return name;
        return name->key ? name->key : key_of_name(*name);
    }

    bool operator==(const Id& other) const { return name == other.name || key_ptr() == other.key_ptr(); }
    bool operator!=(const Id& other) const { return !(*this == other); }

    // The text under which this name is indexed: equal names have equal
    // keys (the lower-cased text when identifiers are compared caselessly).
    String key() const { return key_of(name->text); }
    static String key_of(const String& text);
    // Compares two texts as identifiers.
    static bool same_name(const String& a, const String& b) { return name_compare(a, b); }

    void print(std::ostream& out) const;
    String full_text() const { return name->text; }
    String abbrev_text(int n = 32) const { return Printable::abbreviate(name->text.str(), n); }

    using Compare = bool (*)(const String&, const String&);
    static Compare name_compare;
    static bool undecided_compare(const String& a, const String& b);
    static bool caseless_compare(const String& a, const String& b);
    static bool caseful_compare(const String& a, const String& b);

private:
    // Installs the comparison chosen by the flag `caseless`.
    static void decide();
    static inline bool keys_are_spellings = false;

    // Every distinct spelling, kept once for the whole run: a name is
    // usually written many times, and identifiers are most of the tree.
    struct Name : arena::Object {
        String text;
        // The name standing for every spelling equal to this one under the
        // run's comparison; set on first use.
        mutable const Name* key = nullptr;
    };
    static const Name* intern(const char* text, size_t length);
    static const Name* key_of_name(const Name& n);

    const Name* name;
    SrcLoc loc;
};

std::ostream& operator<<(std::ostream& out, const Id& id);

// A list of identifiers, printed with ", " between them.
class IdList : public DLList<Id>, public Printable {
public:
    IdList() = default;
    explicit IdList(Id& first) : DLList<Id>(first) {}
    void print(std::ostream& out) const override;
};

template <>
struct TblKey<Id> {
    static bool equal(const Id& a, const Id& b) { return a == b; }
    static size_t hash(const Id& k) { return std::hash<const void*>()(k.key_ptr()); }
};

#endif

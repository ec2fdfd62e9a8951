#include "ast/names/id.h"

#include <cctype>
#include <ostream>
#include <cstring>
#include <cstdint>
#include <vector>

#include "lib/flag.h"

// Whether identifiers are compared without regard to case.
Flag caseless_flag("caseless", "compare identifiers without case");

Id::Compare Id::name_compare = &Id::undecided_compare;

// The table of spellings: open addressing over (hash, length, name) slots,
// so that a lookup touches one slot and, when they agree, the name itself;
// the text looked up is never copied.  Names are never freed and never
// move, and the table is never destroyed, so the exit costs nothing.
const Id::Name* Id::intern(const char* text, size_t length) {
    struct Slot {
        std::uint32_t hash;
        std::uint32_t length;
        const Name* name;
    };
    static std::vector<Slot>& slots = *new std::vector<Slot>(1 << 12);
    static size_t used = 0;

    std::uint32_t h = 2166136261u;
    for (size_t i = 0; i < length; ++i) h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
    h ^= h >> 15;
    size_t mask = slots.size() - 1;
    size_t at = h & mask;
    for (; slots[at].name; at = (at + 1) & mask) {
        const Slot& s = slots[at];
        if (s.hash == h && s.length == length && std::memcmp(s.name->text.chars(), text, length) == 0)
            return s.name;
    }
    const Name* made = new Name{{}, String(text, static_cast<int>(length))};
    slots[at] = Slot{h, static_cast<std::uint32_t>(length), made};
    if (++used * 2 > slots.size()) {
        std::vector<Slot> grown(slots.size() * 2);
        size_t grown_mask = grown.size() - 1;
        for (const Slot& s : slots) {
            if (!s.name) continue;
            size_t to = s.hash & grown_mask;
            while (grown[to].name) to = (to + 1) & grown_mask;
            grown[to] = s;
        }
        slots.swap(grown);
    }
    return made;
}

const Id::Name* Id::key_of_name(const Name& n) {
    decide();
    if (name_compare != &caseless_compare) {
        n.key = &n;
    } else {
        std::string lower = n.text.str();
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const Name* folded = intern(lower.data(), lower.size());
        folded->key = folded;
        n.key = folded;
    }
    return n.key;
}

Id::Id(const char* text, const SrcLoc& loc) : name(intern(text, std::strlen(text))), loc(loc) {}
Id::Id(const char* text, size_t length, const SrcLoc& loc) : name(intern(text, length)), loc(loc) {}
Id::Id(const String& text, const SrcLoc& loc)
    : name(intern(text.chars(), static_cast<size_t>(text.length()))), loc(loc) {}

void Id::decide() {
    if (name_compare == &undecided_compare) {
        name_compare = caseless_flag ? &caseless_compare : &caseful_compare;
        keys_are_spellings = name_compare == &caseful_compare;
    }
}

bool Id::undecided_compare(const String& a, const String& b) {
    decide();
    return name_compare(a, b);
}

bool Id::caseless_compare(const String& a, const String& b) { return a.fcompare(b) == 0; }

bool Id::caseful_compare(const String& a, const String& b) { return a == b; }

String Id::key_of(const String& text) {
    decide();
    if (name_compare != &caseless_compare) return text;
    std::string lower = text.str();
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return String(lower);
}

void Id::print(std::ostream& out) const { out << name->text; }

std::ostream& operator<<(std::ostream& out, const Id& id) {
    id.print(out);
    return out;
}

void IdList::print(std::ostream& out) const {
    const char* sep = "";
    for (DLListIter<Id> it(*this); it; it.next()) {
        out << sep << it.entry();
        sep = ", ";
    }
}

#include "ast/names/id.h"

#include <cctype>
#include <ostream>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "lib/flag.h"

// Whether identifiers are compared without regard to case.
Flag caseless_flag("caseless", "compare identifiers without case");

Id::Compare Id::name_compare = &Id::undecided_compare;

// The table of spellings is keyed by views of the names' own texts, so a
// lookup costs no copy; names are never freed and never move.
const Id::Name* Id::intern(const char* text, size_t length) {
    static std::unordered_map<std::string_view, const Name*> names(1 << 12);
    auto it = names.find(std::string_view(text, length));
    if (it != names.end()) return it->second;
    const Name* n = new Name{String(text, static_cast<int>(length))};
    names.emplace(std::string_view(n->text.chars(), length), n);
    return n;
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
    if (name_compare == &undecided_compare)
        name_compare = caseless_flag ? &caseless_compare : &caseful_compare;
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

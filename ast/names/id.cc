#include "ast/names/id.h"

#include <cctype>
#include <ostream>
#include <unordered_set>

#include "lib/flag.h"

// Whether identifiers are compared without regard to case.
Flag caseless_flag("caseless", "compare identifiers without case");

Id::Compare Id::name_compare = &Id::undecided_compare;

// Every distinct identifier text, kept for the whole run (the set's
// elements do not move).
static const String* intern(const String& text) {
    static std::unordered_set<String> texts;
    return &*texts.insert(text).first;
}

Id::Id(const char* text, const SrcLoc& loc) : text(intern(String(text))), loc(loc) {}
Id::Id(const String& text, const SrcLoc& loc) : text(intern(text)), loc(loc) {}

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

void Id::print(std::ostream& out) const { out << *text; }

void IdList::print(std::ostream& out) const {
    const char* sep = "";
    for (DLListIter<Id> it(*this); it; it.next()) {
        out << sep << it.entry();
        sep = ", ";
    }
}

#include "ast/input/srcloc.h"

#include <unordered_map>
#include <vector>

const String SrcLoc::unset;

namespace {
std::vector<const String*>& srcloc_files() {
    static std::vector<const String*> files{&SrcLoc::unset};
    return files;
}
}  // namespace

// Locations are made token by token from the same few names, so the last
// name asked for is kept at hand before the table is searched.
unsigned SrcLoc::number_of(const String& f) {
    static const String* last = &unset;
    static unsigned last_number = 0;
    if (&f == last) return last_number;
    static std::unordered_map<const String*, unsigned> numbers{{&unset, 0}};
    auto it = numbers.find(&f);
    if (it == numbers.end()) {
        std::vector<const String*>& files = srcloc_files();
        it = numbers.emplace(&f, static_cast<unsigned>(files.size())).first;
        files.push_back(&f);
    }
    last = &f;
    last_number = it->second;
    return last_number;
}

const String* const* SrcLoc::file_names() { return srcloc_files().data(); }

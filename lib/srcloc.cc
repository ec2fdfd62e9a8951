#include "lib/srcloc.h"

#include <unordered_map>
#include <vector>

const String SrcLoc::unset;

namespace {
std::vector<const String*>& srcloc_files() {
    static std::vector<const String*> files{&SrcLoc::unset};
    return files;
}
}  // namespace

unsigned SrcLoc::number_of(const String& f) {
    static std::unordered_map<const String*, unsigned> numbers{{&unset, 0}};
    auto it = numbers.find(&f);
    if (it == numbers.end()) {
        std::vector<const String*>& files = srcloc_files();
        it = numbers.emplace(&f, static_cast<unsigned>(files.size())).first;
        files.push_back(&f);
    }
    last_file = &f;
    last_number = it->second;
    return last_number;
}

const String* const* SrcLoc::file_names() { return srcloc_files().data(); }

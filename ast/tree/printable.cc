#include "ast/tree/printable.h"

#include <cstdio>
#include <ostream>
#include <memory>
#include <sstream>
#include <vector>

std::ostream& operator<<(std::ostream& out, const Printable& p) {
    p.print(out);
    return out;
}

// Making a string stream costs more than most texts printed into it (its
// locale is set up each time), so the streams are kept and reused: one per
// level, since printing one text may ask for the full text of another.
String Printable::full_text() const {
    static std::vector<std::unique_ptr<std::ostringstream>> streams;
    static size_t depth = 0;
    if (depth == streams.size()) streams.emplace_back(new std::ostringstream);
    std::ostringstream& s = *streams[depth];
    s.str(std::string());
    s.clear();
    ++depth;
    try {
        print(s);
    } catch (...) {
        --depth;
        throw;
    }
    --depth;
    return String(s.str());  // moved from the stream's copy
}

String Printable::abbrev_text(int n) const { return abbreviate(full_text().str(), n); }

String Printable::abbreviate(std::string text, int n) {
    if (n < 4) n = 4;
    for (char& c : text)
        if (c == '\n') c = ' ';
    if (static_cast<int>(text.size()) <= n - 1) return String(text);
    // Too long for n-1 characters: keep n-4 characters and "...".
    return String(text.substr(0, static_cast<size_t>(n - 4)) + "...");
}

void IntPrintable::print(std::ostream& out) const {
    if (value == 0) {
        out << "0";
        return;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%x", value);
    out << buf;
}

#include "ast/tree/printable.h"

#include <cstdio>
#include <ostream>
#include <sstream>

std::ostream& operator<<(std::ostream& out, const Printable& p) {
    p.print(out);
    return out;
}

String Printable::full_text() const {
    std::ostringstream s;
    print(s);
    return String(s.str());
}

String Printable::abbrev_text(int n) const {
    if (n < 4) n = 4;
    std::string text = full_text().str();
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

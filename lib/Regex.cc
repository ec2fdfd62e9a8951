#include "lib/Regex.h"

#include <cstring>

bool Regex::Atom::matches(unsigned char ch) const {
    if (ch == 0) return false;
    switch (kind) {
    case Any: return ch != '\n';
    case Char: return static_cast<unsigned char>(c) == ch;
    case Class: return set[ch] != negated;
    }
    return false;
}

Regex::Regex(const char* pattern) {
    const char* p = pattern ? pattern : "";
    if (*p == '^') { anchor_start_ = true; ++p; }
    while (*p) {
        if (p[0] == '$' && p[1] == 0) { anchor_end_ = true; break; }
        Atom a;
        if (*p == '.') {
            a.kind = Atom::Any; ++p;
        } else if (*p == '\\' && p[1]) {
            a.c = p[1]; p += 2;
        } else if (*p == '[') {
            a.kind = Atom::Class;
            a.set.assign(256, false);
            ++p;
            if (*p == '^') { a.negated = true; ++p; }
            bool first = true;
            while (*p && (*p != ']' || first)) {
                unsigned char lo = static_cast<unsigned char>(*p);
                if (p[1] == '-' && p[2] && p[2] != ']') {
                    unsigned char hi = static_cast<unsigned char>(p[2]);
                    for (unsigned c = lo; c <= hi; ++c) a.set[c] = true;
                    p += 3;
                } else {
                    a.set[lo] = true; ++p;
                }
                first = false;
            }
            if (*p == ']') ++p;
        } else {
            a.c = *p++;
        }
        if (*p == '*' || *p == '+' || *p == '?') a.repeat = *p++;
        atoms_.push_back(a);
    }
}

// Backtracking matcher; returns the end of the longest match or -1.
int Regex::match_here(size_t i, const char* text, int pos, int start) const {
    if (i == atoms_.size()) {
        if (anchor_end_ && text[pos] != 0) return -1;
        return pos;
    }
    const Atom& a = atoms_[i];
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
    if (a.repeat == 0) {
        return a.matches(t[pos]) ? match_here(i + 1, text, pos + 1, start) : -1;
    }
    int min = a.repeat == '+' ? 1 : 0;
    int max = pos;
    while (t[max] && (a.repeat != '?' || max - pos < 1) && a.matches(t[max])) ++max;
    for (int end = max; end - pos >= min; --end) {
        int r = match_here(i + 1, text, end, start);
        if (r >= 0) return r;
    }
    return -1;
}

int Regex::match_at(const char* text, int pos) const {
    if (anchor_start_ && pos != 0) return -1;
    if (pos < 0 || pos > static_cast<int>(std::strlen(text))) return -1;
    int end = match_here(0, text, pos, pos);
    return end < 0 ? -1 : end - pos;
}

#include "lib/String.h"

#include <cctype>
#include <cstring>
#include <ostream>

#include "lib/Regex.h"

int String::index(char c, int start) const {
    if (start < 0) {
        int pos = start + length();
        for (int i = pos; i >= 0; --i)
            if (i < length() && s_[static_cast<size_t>(i)] == c) return i;
        return -1;
    }
    if (start > length()) return -1;
    size_t p = s_.find(c, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int String::index(const char* t, int start) const {
    if (!t) return -1;
    if (start < 0) {
        int pos = start + length();
        if (pos < 0) return -1;
        size_t p = s_.rfind(t, static_cast<size_t>(pos));
        return p == std::string::npos ? -1 : static_cast<int>(p);
    }
    if (start > length()) return -1;
    size_t p = s_.find(t, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int String::index(const Regex& r, int start) const {
    if (start < 0) {
        for (int i = start + length(); i >= 0; --i)
            if (r.match_at(chars(), i) >= 0) return i;
        return -1;
    }
    for (int i = start; i <= length(); ++i)
        if (r.match_at(chars(), i) >= 0) return i;
    return -1;
}

bool String::contains(char c, int pos) const {
    pos = normalize(pos);
    return pos >= 0 && pos < length() && s_[static_cast<size_t>(pos)] == c;
}

String String::at(int pos, int len) const {
    pos = normalize(pos);
    if (pos < 0) { len += pos; pos = 0; }
    if (pos > length() || len <= 0) return String();
    if (pos + len > length()) len = length() - pos;
    return String(s_.substr(static_cast<size_t>(pos), static_cast<size_t>(len)));
}

String String::before(const String& t, int start) const {
    int i = index(t, start);
    return i < 0 ? String() : before(i);
}

String String::through(const String& t, int start) const {
    int i = index(t, start);
    return i < 0 ? String() : at(0, i + t.length());
}

String String::after(const String& t, int start) const {
    int i = index(t, start);
    return i < 0 ? String() : from(i + t.length());
}

int String::gsub(const Regex& r, const String& repl) {
    std::string out;
    int count = 0;
    int i = 0;
    while (i <= length()) {
        int len = r.match_at(chars(), i);
        if (len < 0) {
            if (i < length()) out += s_[static_cast<size_t>(i)];
            ++i;
            continue;
        }
        out += repl.s_;
        ++count;
        if (len == 0) {
            if (i < length()) out += s_[static_cast<size_t>(i)];
            ++i;
        } else {
            i += len;
        }
    }
    s_ = out;
    return count;
}

int String::compare(const String& t) const { return std::strcmp(chars(), t.chars()); }

int String::fcompare(const String& t) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(chars());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(t.chars());
    for (;; ++a, ++b) {
        int ca = std::tolower(*a), cb = std::tolower(*b);
        if (ca != cb || ca == 0) return ca - cb;
    }
}

String operator+(const String& a, const String& b) { String r(a); r += b; return r; }
String operator+(const String& a, const char* b) { String r(a); r += b; return r; }
String operator+(const char* a, const String& b) { String r(a); r += b; return r; }
String operator+(const String& a, char c) { String r(a); r += c; return r; }

std::ostream& operator<<(std::ostream& out, const String& s) { return out << s.str(); }

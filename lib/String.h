// The program's own string: a deep-copied, null-terminated character buffer
// with position operations where a negative position counts from the end.
#ifndef QUORVEX_LIB_STRING_H
#define QUORVEX_LIB_STRING_H

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>

class Regex;

class String {
public:
    String() = default;
    String(const char* s) : s_(s ? s : "") {}
    String(const char* s, int n) : s_(s ? s : "", s ? static_cast<size_t>(n < 0 ? 0 : n) : 0) {}
    String(const std::string& s) : s_(s) {}
    String(std::string&& s) : s_(std::move(s)) {}
    String(const String&) = default;
    String(String&&) = default;
    String& operator=(const String&) = default;
    String& operator=(String&&) = default;
    String& operator=(const char* s) { s_ = s ? s : ""; return *this; }

    int length() const { return static_cast<int>(s_.size()); }
    bool empty() const { return s_.empty(); }
    const char* chars() const { return s_.c_str(); }
    operator const char*() const { return s_.c_str(); }
    const std::string& str() const { return s_; }
    char operator[](int i) const { return s_[static_cast<size_t>(i)]; }

    // First occurrence at or after start; with a negative start, the last
    // occurrence at or before that position counted from the end.  -1: none.
    int index(char c, int start = 0) const;
    int index(const String& t, int start = 0) const { return index(t.chars(), start); }
    int index(const char* t, int start = 0) const;
    int index(const Regex& r, int start = 0) const;

    bool contains(char c, int pos) const;
    bool contains(char c) const { return s_.find(c) != std::string::npos; }
    bool contains(const char* t) const { return s_.find(t) != std::string::npos; }
    bool contains(const String& t, int pos = 0) const { return index(t, pos) >= 0; }
    bool matches(const Regex& r, int pos = 0) const { return index(r, pos) >= 0; }

    String at(int pos, int len) const;
    String before(int i) const { return at(0, i); }
    String through(int i) const { return at(0, i + 1); }
    String after(int i) const { return from(i + 1); }
    String from(int i) const { return at(i, length() - i); }
    String before(const String& t, int start = 0) const;
    String through(const String& t, int start = 0) const;
    String after(const String& t, int start = 0) const;

    // Replaces every match of r by the text; returns the number of matches.
    int gsub(const Regex& r, const String& repl);

    String& operator+=(const String& t) { s_ += t.s_; return *this; }
    String& operator+=(const char* t) { s_ += t ? t : ""; return *this; }
    String& operator+=(char c) { s_ += c; return *this; }

    int compare(const String& t) const;
    int fcompare(const String& t) const;  // ignoring case

    static String replicate(char c, int n) { return String(std::string(static_cast<size_t>(n < 0 ? 0 : n), c)); }

    friend bool operator==(const String& a, const String& b) { return a.s_ == b.s_; }
    friend bool operator==(const String& a, const char* b) { return a.s_ == (b ? b : ""); }
    friend bool operator!=(const String& a, const String& b) { return !(a == b); }
    friend bool operator!=(const String& a, const char* b) { return !(a == b); }
    friend bool operator<(const String& a, const String& b) { return a.compare(b) < 0; }

private:
    int normalize(int pos) const { return pos < 0 ? pos + length() : pos; }
    std::string s_;
};

String operator+(const String& a, const String& b);
String operator+(const String& a, const char* b);
String operator+(const char* a, const String& b);
String operator+(const String& a, char c);
std::ostream& operator<<(std::ostream& out, const String& s);

namespace std {
template <> struct hash<String> {
    size_t operator()(const String& s) const { return hash<std::string>()(s.str()); }
};
}  // namespace std

#endif

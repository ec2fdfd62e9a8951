// A small regular-expression matcher: literal characters, '.', '*', '+',
// '?', '^' and '$' anchors, bracket classes and backslash escapes.  It serves
// the flag listing and String's pattern operations; nothing else needs more.
#ifndef QUORVEX_LIB_REGEX_H
#define QUORVEX_LIB_REGEX_H

#include <string>
#include <vector>

class Regex {
public:
    explicit Regex(const char* pattern = ".*");

    // Length of the longest match starting exactly at text[pos], or -1.
    int match_at(const char* text, int pos) const;

private:
    struct Atom {
        enum Kind { Char, Any, Class } kind = Char;
        char c = 0;
        bool negated = false;
        std::vector<bool> set;  // 256 entries for Class
        char repeat = 0;        // 0, '*', '+', '?'
        bool matches(unsigned char ch) const;
    };
    int match_here(size_t atom, const char* text, int pos, int start) const;

    std::vector<Atom> atoms_;
    bool anchor_start_ = false;
    bool anchor_end_ = false;
};

#endif

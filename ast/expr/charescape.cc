#include "ast/expr/charescape.h"

#include <cstdio>
#include <ostream>

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_octal(char c) { return c >= '0' && c <= '7'; }

}  // namespace

unsigned char CharEscape::decode(const char* p, const char** end) {
    unsigned value = 0;
    if (*p != '\\') {
        value = static_cast<unsigned char>(*p);
        if (*p) ++p;
    } else {
        ++p;
        char c = *p;
        if (c) ++p;
        switch (c) {
        case '?': value = '?'; break;
        case '\\': value = '\\'; break;
        case '"': value = '"'; break;
        case '\'': value = '\''; break;
        case 'a': value = 7; break;
        case 'b': value = 8; break;
        case 'n': value = 10; break;
        case 'r': value = 13; break;
        case 't': value = 9; break;
        case 'v': value = 11; break;
        case 'x':
            if (hex_digit(*p) >= 0) {
                value = static_cast<unsigned>(hex_digit(*p++));
                if (hex_digit(*p) >= 0) value = value * 16 + static_cast<unsigned>(hex_digit(*p++));
            }
            break;
        default:
            if (is_octal(c)) {
                value = static_cast<unsigned>(c - '0');
                for (int i = 1; i < 3 && is_octal(*p); ++i) value = value * 8 + static_cast<unsigned>(*p++ - '0');
            }
            break;
        }
    }
    if (end) *end = p;
    // Three octal digits can exceed a byte (\777); the byte keeps the low bits.
    return static_cast<unsigned char>(value & 0xff);
}

void CharEscape::print(std::ostream& out, unsigned char c) {
    switch (c) {
    case 7: out << "\\a"; return;
    case 8: out << "\\b"; return;
    case 9: out << "\\t"; return;
    case 10: out << "\\n"; return;
    case 11: out << "\\v"; return;
    case 13: out << "\\r"; return;
    case '\\': out << "\\\\"; return;
    case '\'': out << "\\'"; return;
    case '"': out << "\\\""; return;
    default: break;
    }
    if (c >= 0x20 && c < 0x7f) {
        out << static_cast<char>(c);
    } else {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\%03o", static_cast<unsigned>(c));
        out << buf;
    }
}

void CharEscape::print_java(std::ostream& out, unsigned char c) {
    if (c == 7 || c == 11) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\%03o", static_cast<unsigned>(c));
        out << buf;
    } else if (c == 12) {
        out << "\\f";
    } else {
        print(out, c);
    }
}

// Escapes of character literals, read from IDL source and written back in
// the same notation.
#ifndef QUORVEX_AST_CHARESCAPE_H
#define QUORVEX_AST_CHARESCAPE_H

#include <iosfwd>

class CharEscape {
public:
    // Decodes the character at p: a plain character stands for itself; after
    // a backslash, ? \ " ' a b n r t v give their characters, x one or two
    // hexadecimal digits, one to three octal digits their value, and any
    // other escape 0.  When `end` is given it is set past the characters
    // read.  Never reads past a terminating null.
    static unsigned char decode(const char* p, const char** end = nullptr);

    // Writes c as it would appear inside a literal: the control characters
    // 7-11 and 13 as \a \b \t \n \v \r; backslash and both quotes escaped;
    // other non-printing bytes as a backslash and three octal digits.
    static void print(std::ostream& out, unsigned char c);

    // Writes c as it may appear inside a Java literal.  Java knows neither
    // \a nor \v, so those print in octal like the other control bytes; the
    // form feed prints as \f.
    static void print_java(std::ostream& out, unsigned char c);
};

#endif

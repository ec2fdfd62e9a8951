// A source location: a shared file name and a line number.
#ifndef QUORVEX_AST_SRCLOC_H
#define QUORVEX_AST_SRCLOC_H

#include "lib/String.h"

class SrcLoc {
public:
    static const String unset;

    SrcLoc() : file(&unset), line(0) {}
    // Keeps the address of `f`: the String must outlive the location.
    SrcLoc(const String& f, int l) : file(&f), line(l) {}

    const String& get_file() const { return *file; }
    int get_line() const { return line; }

private:
    const String* file;
    int line;
};

#endif

// A source location: a shared file name and a line number.
#ifndef QUORVEX_AST_SRCLOC_H
#define QUORVEX_AST_SRCLOC_H

#include "lib/String.h"

class SrcLoc {
public:
    static const String unset;

    SrcLoc() : file(0), line(0) {}
    // Keeps the address of `f`: the String must outlive the location.
    SrcLoc(const String& f, int l) : file(&f == last_file ? last_number : number_of(f)), line(l) {}

    const String& get_file() const { return *file_names()[file]; }
    int get_line() const { return line; }

private:
    // Every node carries a location, so a location is kept small: the
    // file is a number in the run's table of file names (0 is `unset`).
    static unsigned number_of(const String& f);
    // Locations are made token by token from the same few names, so the
    // last name numbered is kept at hand.
    static inline const String* last_file = &unset;
    static inline unsigned last_number = 0;
    static const String* const* file_names();

    unsigned file;
    int line;
};

#endif

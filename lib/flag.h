// Named on/off switches.  Each module that needs one defines a static Flag;
// construction links it into one global chain kept sorted by name, so the
// set of flags is open and listings come out alphabetically.
#ifndef QUORVEX_LIB_FLAG_H
#define QUORVEX_LIB_FLAG_H

#include <iosfwd>

#include "lib/Regex.h"
#include "lib/String.h"

struct Flag_notfound {
    const char* name;
};

class Flag {
public:
    Flag(const char* name, const char* description, int value = 0);
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

    operator int() const { return value; }
    const String& get_name() const { return name; }
    const char* get_description() const { return description; }

    // Sets the named flag on; each leading "no-" inverts the value.  Throws
    // Flag_notfound with the name left after the prefixes.
    static void set(const char* arg);

    // Lists the flags whose name contains a match of `pattern` (select 1) or
    // does not (select 0), after the line "title:".
    static void list(std::ostream& out, const char* title, const Regex& pattern = Regex(".*"),
                     int select = 1);

    static Flag* first() { return chain; }
    Flag* get_next() const { return next; }

private:
    void insert();

    Flag* next = nullptr;
    String name;
    const char* description;
    int value;

    static Flag* chain;
};

#endif

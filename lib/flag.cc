#include "lib/flag.h"

#include <cstdio>
#include <cstring>
#include <iostream>

// Zero-initialised before any dynamic initialisation, so flags defined in
// any translation unit can link themselves in during static construction.
Flag* Flag::chain;

Flag::Flag(const char* n, const char* d, int v) : name(n), description(d ? d : ""), value(v) {
    insert();
}

void Flag::insert() {
    if (!chain || name < chain->name) {
        next = chain;
        chain = this;
        return;
    }
    Flag* f = chain;
    while (f->next && !(name < f->next->name)) f = f->next;
    next = f->next;
    f->next = this;
}

void Flag::set(const char* arg) {
    int v = 1;
    while (std::strncmp(arg, "no-", 3) == 0) {
        v = !v;
        arg += 3;
    }
    for (Flag* f = chain; f; f = f->next) {
        if (f->name == arg) {
            f->value = v;
            return;
        }
    }
    throw Flag_notfound{arg};
}

void Flag::list(std::ostream& out, const char* title, const Regex& pattern, int select) {
    int listed = 0;
    for (Flag* f = chain; f; f = f->next) {
        if ((f->name.matches(pattern, 0) ? 1 : 0) != select) continue;
        if (!listed++) out << title << ":\n";
        char line[128];
        std::snprintf(line, sizeof line, "   -f%-20s %-5s  ", f->name.chars(), f->value ? "(on)" : "(off)");
        out << line << f->description << "\n";
    }
    if (!listed) std::cout << "no " << title << "\n";
}

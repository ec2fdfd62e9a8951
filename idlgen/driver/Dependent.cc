#include "idlgen/driver/Dependent.h"

#include <cstdio>
#include <cstdlib>

void Dependent::flush() const {
    const char* value = std::getenv("KELDRO_DEPENDENCIES");
    if (!value || !*value) return;
    String v(value);
    int blank = v.index(' ');
    if (blank < 0) return;
    String output = v.before(blank);
    String target = v.after(blank);
    FILE* f = std::fopen(output.chars(), "w");
    if (!f) return;
    std::fprintf(f, "%s: ", target.chars());
    for (const String& n : names) std::fprintf(f, " %s", n.chars());
    std::fprintf(f, "\n");
    std::fclose(f);
}

#include "idlgen/driver/Dependent.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "lib/msg.h"

void Dependent::flush() const {
    const char* value = std::getenv("KELDRO_DEPENDENCIES");
    if (!value || !*value) return;
    String v(value);
    int blank = v.index(' ');
    if (blank < 0) return;
    String output = v.before(blank);
    String target = v.after(blank);
    FILE* f = std::fopen(output.chars(), "w");
    if (!f) {
        msg::ioerror("Cannot open file `%s'", output.chars());
        return;
    }
    std::fprintf(f, "%s: ", target.chars());
    for (const String& n : names) std::fprintf(f, " %s", n.chars());
    std::fprintf(f, "\n");
    bool ok = !std::ferror(f);
    int err = ok ? 0 : errno;
    if (std::fclose(f) != 0) {
        ok = false;
        if (!err) err = errno;
    }
    if (!ok) {
        errno = err ? err : EIO;
        msg::ioerror("cannot write file `%s'", output.chars());
    }
}

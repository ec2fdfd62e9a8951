#include "idlgen/driver/Dependent.h"

#include <cstdlib>
#include <string>

#include "lib/OutFile.h"
#include "lib/msg.h"

void Dependent::flush() const {
    const char* value = std::getenv("KELDRO_DEPENDENCIES");
    if (!value || !*value) return;
    String v(value);
    int blank = v.index(' ');
    if (blank < 0) return;
    String output = v.before(blank);
    String target = v.after(blank);
    std::string text = target.str() + ": ";
    for (const String& n : names) text += " " + n.str();
    text += "\n";
    switch (outfile::put(output.chars(), text)) {
    case outfile::open_failed: msg::ioerror("Cannot open file `%s'", output.chars()); break;
    case outfile::write_failed: msg::ioerror("cannot write file `%s'", output.chars()); break;
    default: break;
    }
}

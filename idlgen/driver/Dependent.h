// Collects the name of every input file the run opens and, when the
// environment variable KELDRO_DEPENDENCIES asks for it, writes them as one
// make rule.
#ifndef QUORVEX_IDLGEN_DEPENDENT_H
#define QUORVEX_IDLGEN_DEPENDENT_H

#include <vector>

#include "lib/String.h"

class Dependent {
public:
    Dependent() = default;
    void add(const String& name) { names.push_back(name); }
    const std::vector<String>& get_names() const { return names; }

    // KELDRO_DEPENDENCIES="output target": writes "target:  file1 file2\n"
    // to output, whole or not at all, and not at all when it holds that
    // already.  Unset or without a blank: nothing; a failure is reported.
    void flush() const;

private:
    std::vector<String> names;
};

#endif

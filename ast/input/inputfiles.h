// The record of every input file the run opens, in the order opened: the
// reader adds each file it reads, and the make rule the driver writes
// (KELDRO_DEPENDENCIES) lists them.
#ifndef QUORVEX_AST_INPUTFILES_H
#define QUORVEX_AST_INPUTFILES_H

#include <vector>

#include "lib/String.h"

class InputFiles {
public:
    void add(const String& name) { names.push_back(name); }
    const std::vector<String>& get_names() const { return names; }

protected:
    std::vector<String> names;
};

#endif

// The input files the reader recorded (InputFiles) and, when the
// environment variable KELDRO_DEPENDENCIES asks for it, the make rule that
// lists them.
#ifndef QUORVEX_IDLGEN_DEPENDENT_H
#define QUORVEX_IDLGEN_DEPENDENT_H

#include "ast/input/inputfiles.h"

class Dependent : public InputFiles {
public:
    Dependent() = default;

    // KELDRO_DEPENDENCIES="output target": writes "target:  file1 file2\n"
    // to output.  Unset, without a blank, or unwritable: nothing, silently.
    void flush() const;
};

#endif

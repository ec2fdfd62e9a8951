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
    // to output, whole or not at all, and not at all when it holds that
    // already.  Unset or without a blank: nothing; a failure is reported.
    void flush() const;
};

#endif

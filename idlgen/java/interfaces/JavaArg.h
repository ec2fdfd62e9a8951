// One parameter of an operation: a declaration with the parameter's mode
// flags, its Java type and its name.  The mode decides how the value
// travels: in-like parameters carry the value into the call only, out-like
// ones are holders that the call writes into.
#ifndef QUORVEX_IDLGEN_JAVAARG_H
#define QUORVEX_IDLGEN_JAVAARG_H

#include "idlgen/java/types/JavaDeclaration.h"
#include "lib/String.h"

class JavaArg : public JavaDeclaration {
public:
    JavaArg(unsigned flags, const JavaAST& type, const JavaDeclarator& declarator)
        : JavaDeclaration(flags, type, declarator) {}

    // True for out, inout and the other holder modes; false for in-like
    // modes; any other flag value is an internal error.
    bool containsOut() const;
    // The descriptor's mode word: out, inout, in, or -1 for none of these.
    unsigned modeWord() const;
    // True when the value travels in the long array: a primitive value
    // passed in.
    bool inLongArray() const;
};

#endif

// One numbered operation of an interface, as the stub, the descriptor table
// and the skeleton ask for it: an operation (JavaOpDeclarator), an
// attribute's get accessor (JavaGetDeclarator) or its set accessor
// (JavaSetDeclarator).  The operation table (JavaOpTable) builds one for
// every number, once per interface.
#ifndef QUORVEX_IDLGEN_JAVAOPERATION_H
#define QUORVEX_IDLGEN_JAVAOPERATION_H

#include <iosfwd>

#include "lib/String.h"

class JavaOperation {
public:
    virtual ~JavaOperation() = default;

    // The IDL name the skeleton's case is labelled with.
    virtual String idlName() const = 0;
    // The entry of the stub's descriptor table.
    virtual void printDescriptor(std::ostream& out, const String& indent, int index) const = 0;
    // The stub's method, after its comment line.
    virtual void printStubMethod(std::ostream& out, int index) const = 0;
    // The body of the skeleton's case.
    virtual void printSkeletonFragment(std::ostream& out, const String& indent, int index) const = 0;
};

#endif

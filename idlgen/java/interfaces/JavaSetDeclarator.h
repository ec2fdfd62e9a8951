// The set accessor of a writable attribute: its descriptor, its stub method
// and its case in the skeleton.  The value travels in index 1 of its array.
#ifndef QUORVEX_IDLGEN_JAVASETDECLARATOR_H
#define QUORVEX_IDLGEN_JAVASETDECLARATOR_H

#include <iosfwd>

#include "idlgen/java/interfaces/JavaAccessorDeclarator.h"

class JavaSetDeclarator : public JavaAccessorDeclarator {
public:
    explicit JavaSetDeclarator(const SimpleDeclarator& attribute);

    // [AttrName] "(" [AttrType] " arg) throws " [SystemException]
    String signature() const;
    void printDescriptor(std::ostream& out, const String& indent, int index) const override;
    // The stub method (it has no comment line).
    void printStubMethod(std::ostream& out, int index) const override;
    void printMethod(std::ostream& out, int index) const;
    void printSkeletonFragment(std::ostream& out, const String& indent, int index) const override;
};

#endif
